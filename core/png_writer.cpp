#include "core/png_writer.h"

#include <isa-l/crc.h>
#include <isa-l/igzip_lib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kFilterNone = 0, kFilterUp = 2;

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    const uint8_t bytes[4] = {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
    out.insert(out.end(), bytes, bytes + 4);
}

// A chunk whose data is already in place after its length and type: fills in the length and CRC.
void CloseChunk(std::vector<uint8_t>& out, size_t start) {
    const size_t length = out.size() - start - 8;
    for (int i = 0; i < 4; ++i) out[start + size_t(i)] = uint8_t(length >> (24 - 8 * i));
    PutU32(out, crc32_gzip_refl(0, out.data() + start + 4, uint64_t(length + 4)));
}

size_t OpenChunk(std::vector<uint8_t>& out, const char type[4]) {
    const size_t start = out.size();
    out.insert(out.end(), 4, 0);
    out.insert(out.end(), type, type + 4);
    return start;
}

// Filtered scanlines: a filter byte, then each byte less the one above it. Rows go through the
// compressor a block at a time, so the filtered data stays in cache and no image-sized buffer is
// kept.
constexpr size_t kBlockBytes = 256 * 1024;

size_t FilterRow(const uint8_t* row, const uint8_t* above, size_t stride, uint8_t* dst) {
    if (above == nullptr) {
        *dst++ = kFilterNone;
        std::memcpy(dst, row, stride);
    } else if (std::memcmp(row, above, stride) == 0) {
        *dst++ = kFilterUp;
        std::memset(dst, 0, stride);
    } else {
        *dst++ = kFilterUp;
        for (size_t i = 0; i < stride; ++i) dst[i] = uint8_t(row[i] - above[i]);
    }
    return stride + 1;
}

struct DeflateBuffers {
    std::vector<uint8_t> block;
    std::vector<uint8_t> compressed;  // grows to the largest stream made on the thread
    std::unique_ptr<uint8_t[]> level = std::make_unique<uint8_t[]>(ISAL_DEF_LVL1_DEFAULT);
};

// Appends the zlib stream of the filtered image to `out`; false on a compressor error.
bool DeflateImage(const RasterCanvas& canvas, std::vector<uint8_t>& out) {
    // Kept per thread: a draw then allocates nothing but its result.
    thread_local DeflateBuffers buffers;
    const size_t stride = size_t(canvas.Width()) * 4;
    const size_t rows_per_block = std::max<size_t>(1, kBlockBytes / (stride + 1));
    buffers.block.resize(rows_per_block * (stride + 1));

    isal_zstream stream;
    isal_deflate_init(&stream);
    stream.level = 1;
    stream.level_buf = buffers.level.get();
    stream.level_buf_size = ISAL_DEF_LVL1_DEFAULT;
    stream.gzip_flag = IGZIP_ZLIB;
    stream.flush = NO_FLUSH;
    std::vector<uint8_t>& compressed = buffers.compressed;
    if (compressed.size() < 65536) compressed.resize(65536);
    const int height = canvas.Height();
    for (int y = 0; y < height;) {
        size_t filled = 0;
        for (size_t k = 0; k < rows_per_block && y < height; ++k, ++y) {
            const uint8_t* row = canvas.Pixels() + size_t(y) * stride;
            filled += FilterRow(row, y > 0 ? row - stride : nullptr, stride, buffers.block.data() + filled);
        }
        stream.next_in = buffers.block.data();
        stream.avail_in = uint32_t(filled);
        stream.end_of_stream = y == height;
        do {
            if (compressed.size() - stream.total_out < 16384) compressed.resize(compressed.size() * 2);
            stream.next_out = compressed.data() + stream.total_out;
            stream.avail_out = uint32_t(std::min<size_t>(compressed.size() - stream.total_out, 0x7FFFFFFF));
            if (isal_deflate(&stream) != COMP_OK) return false;
        } while (stream.avail_in > 0 || (stream.end_of_stream && stream.internal_state.state != ZSTATE_END));
    }
    out.insert(out.end(), compressed.begin(), compressed.begin() + stream.total_out);
    // An unusually large image does not keep its memory on the thread.
    if (compressed.size() > (size_t(16) << 20)) compressed = {};
    return true;
}

}  // namespace

std::vector<uint8_t> EncodePng(const RasterCanvas& canvas, int dpi) {
    std::vector<uint8_t> out;
    out.reserve(4096);
    out.insert(out.end(), kSignature, kSignature + 8);

    size_t chunk = OpenChunk(out, "IHDR");
    PutU32(out, uint32_t(canvas.Width()));
    PutU32(out, uint32_t(canvas.Height()));
    const uint8_t header_tail[5] = {8, 6, 0, 0, 0};  // 8 bits, RGBA, deflate, adaptive filters, no interlace
    out.insert(out.end(), header_tail, header_tail + 5);
    CloseChunk(out, chunk);

    if (dpi > 0) {
        chunk = OpenChunk(out, "pHYs");
        const uint32_t per_metre = uint32_t(std::lround(dpi / 0.0254));
        PutU32(out, per_metre);
        PutU32(out, per_metre);
        out.push_back(1);  // unit: metre
        CloseChunk(out, chunk);
    }

    chunk = OpenChunk(out, "IDAT");
    if (!DeflateImage(canvas, out)) return {};
    CloseChunk(out, chunk);

    chunk = OpenChunk(out, "IEND");
    CloseChunk(out, chunk);
    return out;
}
