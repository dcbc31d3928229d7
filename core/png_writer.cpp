#include "core/png_writer.h"

#include <isa-l/crc.h>
#include <isa-l/igzip_lib.h>

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

// The filtered scanlines: a filter byte, then each byte less the one above it.
void FilterUp(const RasterCanvas& canvas, std::vector<uint8_t>& out) {
    const size_t stride = size_t(canvas.Width()) * 4;
    out.resize((stride + 1) * size_t(canvas.Height()));
    uint8_t* dst = out.data();
    const uint8_t* above = nullptr;
    for (int y = 0; y < canvas.Height(); ++y) {
        const uint8_t* row = canvas.Pixels() + size_t(y) * stride;
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
        dst += stride;
        above = row;
    }
}

struct DeflateBuffers {
    std::vector<uint8_t> filtered;
    std::unique_ptr<uint8_t[]> level = std::make_unique<uint8_t[]>(ISAL_DEF_LVL1_DEFAULT);
};

}  // namespace

std::vector<uint8_t> EncodePng(const RasterCanvas& canvas, int dpi) {
    // Kept per thread: a draw then allocates nothing but its result.
    thread_local DeflateBuffers buffers;
    FilterUp(canvas, buffers.filtered);

    std::vector<uint8_t> out;
    // Stored deflate blocks bound the output: 5 bytes per 64 KiB block, plus headers.
    const size_t bound = buffers.filtered.size() + buffers.filtered.size() / 16000 * 5 + 1024;
    out.reserve(std::min<size_t>(bound, buffers.filtered.size() / 8 + 4096));
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
    isal_zstream stream;
    const size_t data_start = out.size();
    for (size_t room = out.capacity() - data_start;; room = room * 2 + 65536) {
        out.resize(data_start + room);
        isal_deflate_stateless_init(&stream);
        stream.level = 1;
        stream.level_buf = buffers.level.get();
        stream.level_buf_size = ISAL_DEF_LVL1_DEFAULT;
        stream.gzip_flag = IGZIP_ZLIB;
        stream.end_of_stream = 1;
        stream.flush = NO_FLUSH;
        stream.next_in = buffers.filtered.data();
        stream.avail_in = uint32_t(buffers.filtered.size());
        stream.next_out = out.data() + data_start;
        stream.avail_out = uint32_t(room);
        const int rc = isal_deflate_stateless(&stream);
        if (rc == COMP_OK) break;
        if (rc != STATELESS_OVERFLOW || room > bound) return {};
    }
    out.resize(data_start + stream.total_out);
    CloseChunk(out, chunk);

    chunk = OpenChunk(out, "IEND");
    CloseChunk(out, chunk);
    return out;
}
