#pragma once
#include <cstdint>
#include <vector>

#include "core/codec/png_layout.h"
#include "core/raster/raster_canvas.h"

// PNG of an RGBA canvas: 8 bits per channel, every row filtered "Up" (a row that repeats the one
// above, as most rows of a barcode do, becomes zeros). Rows are deflated by ISA-L's igzip at level
// 1, which measured 5 to 20 times faster than libdeflate and zlib on these images; long runs of
// repeated rows go into blocks of their own (deflate_repeats.h), which igzip codes poorly.
// `dpi` > 0 adds a pHYs chunk. Empty on failure.
std::vector<uint8_t> EncodePng(const RasterCanvas& canvas, int dpi);

// The same image in the smallest pixel layout that holds it exactly (png_layout.h): decoders give
// back the canvas's RGBA pixels from a file 5 to 30 times smaller. Images of 1, 2 or 4 bits a pixel
// up to 32 KB (a barcode of a few pixels a module) go unfiltered through libdeflate at level 6:
// 5 to 35% smaller than igzip, in more time, though less than libpng and zlib take. The others keep
// igzip level 1 and the repeated-row blocks, rows that differ from the one above unfiltered
// (smaller than Up on packed rows).
std::vector<uint8_t> EncodeSmallestPng(const RasterCanvas& canvas, int dpi);

// The PNG of an image already packed in `layout` (rows of `layout.Stride(width)` bytes, no filter
// bytes), compressed as EncodeSmallestPng compresses its packed rows.
std::vector<uint8_t> EncodePackedPng(const std::vector<uint8_t>& packed, int width, int height, const PngLayout& layout,
                                     int dpi);
