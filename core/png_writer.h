#pragma once
#include <cstdint>
#include <vector>

#include "core/raster_canvas.h"

// PNG of an RGBA canvas: 8 bits per channel, every row filtered "Up" (a row that repeats the one
// above, as most rows of a barcode do, becomes zeros), deflated by ISA-L's igzip at level 1, which
// measured fastest of the packaged encoders with the smallest files for these images. `dpi` > 0
// adds a pHYs chunk. Empty on failure.
std::vector<uint8_t> EncodePng(const RasterCanvas& canvas, int dpi);
