#pragma once
#include <cstdint>
#include <vector>

#include "core/raster/raster_canvas.h"

// Png: RGBA, 8 bits a channel, as the classes have always given. PngSmallest: the same pixels in
// the smallest exact layout (png_layout.h). Jpeg: quality 90.
enum class ImageFormat { Png, Jpeg, PngSmallest };

// Throws EncodeError (TooLarge) when the format cannot hold an image of this size: JPEG, past
// 65500 pixels a side (16 bits in the file; libjpeg's own bound is lower). Callers can ask
// before drawing.
void CheckImageDimensions(ImageFormat format, int width, int height);

// Encodes a canvas; `dpi` > 0 records the resolution in the file. Throws as CheckImageDimensions
// does, before any allocation; empty on any other failure.
std::vector<uint8_t> EncodeCanvas(const RasterCanvas& canvas, ImageFormat format, int dpi);
