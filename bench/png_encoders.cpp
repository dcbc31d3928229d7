// Our two PNG writers on the pixels of a PNG the module made, and the render step's PNG of the
// benchmark symbols, for bench/compare.py (loaded with ctypes). Development only: never linked
// into the module.
#include <png.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "core/codec/png_writer.h"
#include "core/render/render.h"
#include "symbologies/registry.h"

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

// The render step's PNG of the benchmark's symbology `symbology` (compare.py's RENDER_STEP order) at
// `module_pixels`, encoded and drawn, with its text or without: its size, copied into `out` when
// `capacity` holds it; -1 when the symbol is refused.
extern "C" int make_png(int symbology, const char* text, int module_pixels, int show_text, uint8_t* out, int capacity) {
    static const char* const kNames[] = {"code128", "ean13", "qr", "datamatrix", "pdf417"};
    try {
        EncodeOptions encode;
        if (symbology == 4) encode.columns = 4;  // as libzint's side is drawn
        const EncodedSymbol symbol = Encode(kNames[symbology], text, encode);
        RenderOptions options;
        options.module_pixels = module_pixels;
        options.quiet_zone = symbol.quiet_zone;
        options.show_text = show_text != 0;
        const std::vector<uint8_t> png = Render(symbol, options, OutputKind::Png).bytes;
        if (out != nullptr && png.size() <= size_t(capacity)) std::memcpy(out, png.data(), png.size());
        return int(png.size());
    } catch (const std::exception&) {
        return -1;
    }
}
