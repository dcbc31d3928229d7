#pragma once
#include <png.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/codec/png_writer.h"

using PngEncoder = std::vector<uint8_t> (*)(const RasterCanvas& canvas, int dpi);

// A PNG decoded by libpng (PNG_FORMAT_RGBA: four bytes a pixel; PNG_FORMAT_GRAY: one); empty
// pixels when libpng warns or fails.
struct DecodedPng {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;
};

inline DecodedPng DecodePng(const std::vector<uint8_t>& png, uint32_t format = PNG_FORMAT_RGBA) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    DecodedPng out;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return out;
    image.format = format;
    out.pixels.resize(PNG_IMAGE_SIZE(image));
    const bool read = png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr) != 0;
    if (!read || image.warning_or_error != 0) out.pixels.clear();
    png_image_free(&image);
    out.width = int(image.width);
    out.height = int(image.height);
    return out;
}

// Encodes the canvas and decodes the PNG with libpng: true when libpng reads it without a warning
// or error and gives back exactly the canvas's pixels.
inline bool PngRoundTrips(const RasterCanvas& canvas, PngEncoder encode = EncodePng) {
    const DecodedPng image = DecodePng(encode(canvas, 0));
    return !image.pixels.empty() && image.width == canvas.Width() && image.height == canvas.Height() &&
           std::memcmp(image.pixels.data(), canvas.Pixels(), image.pixels.size()) == 0;
}
