// Our two PNG writers on the pixels of a PNG the module made, for bench/compare.py (loaded with
// ctypes): the size each writes and its mean time. Development only: never linked into the module.
#include <png.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "core/codec/png_writer.h"

namespace {

std::unique_ptr<RasterCanvas> Decode(const uint8_t* png, int length) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png, size_t(length))) return nullptr;
    image.format = PNG_FORMAT_RGBA;
    auto canvas = std::make_unique<RasterCanvas>(int(image.width), int(image.height), Rgba{0, 0, 0, 0});
    const bool read = png_image_finish_read(&image, nullptr, canvas->MutablePixels(), 0, nullptr) != 0;
    png_image_free(&image);
    return read ? std::move(canvas) : nullptr;
}

}  // namespace

// Re-encodes the pixels of `png` `repeats` times with the RGBA writer (smallest 0) or the smallest
// layout (1): the size written, with the mean microseconds in *mean_us; -1 when `png` is unreadable.
extern "C" int png_encode(const uint8_t* png, int length, int smallest, int repeats, double* mean_us) {
    const std::unique_ptr<RasterCanvas> canvas = Decode(png, length);
    if (canvas == nullptr) return -1;
    const auto encode = smallest ? EncodeSmallestPng : EncodePng;
    size_t size = encode(*canvas, 0).size();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i) size = encode(*canvas, 0).size();
    *mean_us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / repeats;
    return int(size);
}
