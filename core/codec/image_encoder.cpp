#include "core/codec/image_encoder.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <mutex>
#include <string>

#include "core/codec/png_writer.h"
#include "core/model/encode_error.h"

namespace {

// A write-only SDL stream that grows a byte vector, so no output size has to be guessed up front.
struct VectorStream {
    std::vector<uint8_t>* out;
    size_t position;
};

VectorStream& StreamOf(SDL_RWops* ops) { return *static_cast<VectorStream*>(ops->hidden.unknown.data1); }

Sint64 SDLCALL StreamSize(SDL_RWops* ops) { return Sint64(StreamOf(ops).out->size()); }

Sint64 SDLCALL StreamSeek(SDL_RWops* ops, Sint64 offset, int whence) {
    VectorStream& s = StreamOf(ops);
    Sint64 base = whence == RW_SEEK_SET ? 0 : whence == RW_SEEK_CUR ? Sint64(s.position) : Sint64(s.out->size());
    if (base + offset < 0) return SDL_SetError("seek before start");
    s.position = size_t(base + offset);
    return Sint64(s.position);
}

size_t SDLCALL StreamRead(SDL_RWops*, void*, size_t, size_t) { return 0; }

size_t SDLCALL StreamWrite(SDL_RWops* ops, const void* data, size_t size, size_t count) {
    VectorStream& s = StreamOf(ops);
    const size_t bytes = size * count;
    if (s.out->size() < s.position + bytes) s.out->resize(s.position + bytes);
    std::memcpy(s.out->data() + s.position, data, bytes);
    s.position += bytes;
    return count;
}

int SDLCALL StreamClose(SDL_RWops* ops) {
    SDL_FreeRW(ops);
    return 0;
}

// The JFIF header's density fields: units 1 (dots per inch), then x and y density.
void SetJfifDensity(std::vector<uint8_t>& jpeg, int dpi) {
    static constexpr uint8_t kApp0[] = {0xFF, 0xD8, 0xFF, 0xE0};
    if (jpeg.size() < 18 || std::memcmp(jpeg.data(), kApp0, 4) != 0 || std::memcmp(&jpeg[6], "JFIF", 5) != 0) return;
    const uint16_t density = uint16_t(std::min(dpi, 65535));
    jpeg[13] = 1;
    jpeg[14] = jpeg[16] = uint8_t(density >> 8);
    jpeg[15] = jpeg[17] = uint8_t(density & 0xFF);
}

std::vector<uint8_t> EncodeJpeg(const RasterCanvas& canvas, int dpi) {
    // SDL_image loads its JPEG codec on first use; once, before threads race to it.
    static std::once_flag codec_loaded;
    std::call_once(codec_loaded, [] { IMG_Init(IMG_INIT_JPG); });
    std::vector<uint8_t> out;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(canvas.Pixels()), canvas.Width(),
                                                              canvas.Height(), 32, canvas.Width() * 4,
                                                              SDL_PIXELFORMAT_RGBA32);
    if (surface == nullptr) return out;
    out.reserve(size_t(canvas.Width()) * size_t(canvas.Height()) / 8 + 1024);
    VectorStream stream{&out, 0};
    SDL_RWops* ops = SDL_AllocRW();
    int rc = -1;
    if (ops != nullptr) {
        ops->size = StreamSize;
        ops->seek = StreamSeek;
        ops->read = StreamRead;
        ops->write = StreamWrite;
        ops->close = StreamClose;
        ops->type = SDL_RWOPS_UNKNOWN;
        ops->hidden.unknown.data1 = &stream;
        rc = IMG_SaveJPG_RW(surface, ops, 0, 90);
        SDL_RWclose(ops);
    }
    SDL_FreeSurface(surface);
    if (rc != 0) return {};
    if (dpi > 0) SetJfifDensity(out, dpi);
    return out;
}

}  // namespace

void CheckImageDimensions(ImageFormat format, int width, int height) {
    // The frame header holds 16 bits a side; libjpeg, behind SDL_image, stops at 65500.
    constexpr int kJpegMaxDimension = 65500;
    if (format == ImageFormat::Jpeg && (width > kJpegMaxDimension || height > kJpegMaxDimension))
        throw EncodeError(EncodeErrorKind::TooLarge, "image of " + std::to_string(width) + " x " +
                                                         std::to_string(height) +
                                                         " pixels exceeds JPEG's limit of 65500 pixels a side");
}

std::vector<uint8_t> EncodeCanvas(const RasterCanvas& canvas, ImageFormat format, int dpi) {
    CheckImageDimensions(format, canvas.Width(), canvas.Height());
    switch (format) {
        case ImageFormat::Jpeg: return EncodeJpeg(canvas, dpi);
        case ImageFormat::PngSmallest: return EncodeSmallestPng(canvas, dpi);
        case ImageFormat::Png: break;
    }
    return EncodePng(canvas, dpi);
}
