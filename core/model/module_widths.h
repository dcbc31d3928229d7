#pragma once
#include <vector>

// Encoder output of a linear symbology: alternating bar and space widths in modules,
// the first element a bar. The sum is the symbol width in modules; no quiet zone.
using ModuleWidths = std::vector<int>;
