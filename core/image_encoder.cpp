#include "core/image_encoder.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>

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

}  // namespace

std::vector<uint8_t> EncodeSurface(SDL_Surface* surface, ImageFormat format) {
    std::vector<uint8_t> out;
    if (surface == nullptr) return out;
    out.reserve(size_t(surface->w) * surface->h / 8 + 1024);
    VectorStream stream{&out, 0};
    SDL_RWops* ops = SDL_AllocRW();
    if (ops == nullptr) return {};
    ops->size = StreamSize;
    ops->seek = StreamSeek;
    ops->read = StreamRead;
    ops->write = StreamWrite;
    ops->close = StreamClose;
    ops->type = SDL_RWOPS_UNKNOWN;
    ops->hidden.unknown.data1 = &stream;
    const int rc = format == ImageFormat::Jpeg ? IMG_SaveJPG_RW(surface, ops, 0, 90) : IMG_SavePNG_RW(surface, ops, 0);
    SDL_RWclose(ops);
    if (rc != 0) out.clear();
    return out;
}
