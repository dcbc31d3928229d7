#include "core/codec/zlib_stream.h"

#include <libdeflate.h>

#include <memory>

std::string ZlibStream(const std::string& data, int level) {
    const std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> compressor(
        libdeflate_alloc_compressor(level), &libdeflate_free_compressor);
    if (!compressor) return {};
    std::string out(libdeflate_zlib_compress_bound(compressor.get(), data.size()), '\0');
    const size_t written = libdeflate_zlib_compress(compressor.get(), data.data(), data.size(), out.data(), out.size());
    out.resize(written);
    return out;
}
