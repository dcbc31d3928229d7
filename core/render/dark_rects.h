#pragma once
#include <vector>

#include "core/render/symbol_layout.h"

// Rectangles stacked exactly on one another with the same sides become one (bars of every row
// of a linear symbol, guard extensions, matrix modules repeated down a column), in reading order:
// the fewest shapes for a vector output to fill.
std::vector<DarkRect> MergedDarkRects(std::vector<DarkRect> rects);
