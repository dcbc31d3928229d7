#pragma once
#include <string>
#include <vector>

#include "core/render/symbol_layout.h"

// Dark rectangles that all have one height, as path data for a stroke of that width: each run
// becomes a line through its middle ("h" or "v" and a relative move), about half of what closed
// rectangles take. Where the runs lie on a grid of square cells (matrix symbols), columns of
// cells become vertical lines when that takes fewer lines than the rows do. Coordinates are
// divided by `unit`. Empty when the rectangles are not all of one height.
std::string StrokePath(const std::vector<DarkRect>& rects, double unit);
