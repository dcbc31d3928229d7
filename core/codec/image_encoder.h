#pragma once
#include <cstdint>
#include <vector>

#include "core/render/raster_canvas.h"

enum class ImageFormat { Png, Jpeg };

// Encodes a canvas as PNG (RGBA) or JPEG (quality 90); `dpi` > 0 records the resolution in the
// file. Empty on failure.
std::vector<uint8_t> EncodeCanvas(const RasterCanvas& canvas, ImageFormat format, int dpi);
