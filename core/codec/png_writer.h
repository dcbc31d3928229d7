#pragma once
#include <cstdint>
#include <vector>

#include "core/render/raster_canvas.h"

// PNG of an RGBA canvas: 8 bits per channel, every row filtered "Up" (a row that repeats the one
// above, as most rows of a barcode do, becomes zeros). Rows are deflated by ISA-L's igzip at level
// 1, which measured 5 to 20 times faster than libdeflate and zlib on these images; long runs of
// repeated rows go into blocks of their own (deflate_repeats.h), which igzip codes poorly.
// `dpi` > 0 adds a pHYs chunk. Empty on failure.
std::vector<uint8_t> EncodePng(const RasterCanvas& canvas, int dpi);
