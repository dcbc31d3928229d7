#pragma once
#include <png.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/codec/png_writer.h"

using PngEncoder = std::vector<uint8_t> (*)(const RasterCanvas& canvas, int dpi);

// Encodes the canvas and decodes the PNG with libpng: true when libpng reads it without a warning
// or error and gives back exactly the canvas's pixels.
inline bool PngRoundTrips(const RasterCanvas& canvas, PngEncoder encode = EncodePng) {
    const std::vector<uint8_t> png = encode(canvas, 0);
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return false;
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    const bool read = png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) != 0;
    const bool clean = image.warning_or_error == 0;
    png_image_free(&image);
    return read && clean && int(image.width) == canvas.Width() && int(image.height) == canvas.Height() &&
           std::memcmp(pixels.data(), canvas.Pixels(), pixels.size()) == 0;
}
