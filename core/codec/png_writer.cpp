#include "core/codec/png_writer.h"

#include <isa-l/crc.h>
#include <isa-l/igzip_lib.h>
#include <libdeflate.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "core/codec/deflate_repeats.h"
#include "core/codec/png_layout.h"

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

// Filtered scanlines: a filter byte, then each byte less the one above it.
// A run of repeated rows at least this large is written as a block of its own (a few bytes a row);
// shorter runs stay with their neighbours, where a block boundary would cost more than it saves.
constexpr size_t kMinRepeatBytes = 32 * 1024;

void FilterRow(const uint8_t* row, const uint8_t* above, bool repeated, size_t stride, uint8_t* dst) {
    if (above == nullptr) {
        *dst++ = kFilterNone;
        std::memcpy(dst, row, stride);
    } else if (repeated) {
        *dst++ = kFilterUp;
        std::memset(dst, 0, stride);
    } else {
        *dst++ = kFilterUp;
        for (size_t i = 0; i < stride; ++i) dst[i] = uint8_t(row[i] - above[i]);
    }
}

// How rows that differ from the row above are filtered (a repeated row is always Up: zeros). Up
// suits RGBA; packed rows of a few colours compress better as they are, since a changed row of a
// barcode mostly matches some earlier row.
enum class RowFilter { kUp, kNoneUnlessRepeated };

// Zero bytes after the rows given to igzip: its vector match finders load whole vectors.
constexpr size_t kReadPastEnd = 64;

struct DeflateBuffers {
    std::vector<uint8_t> block;       // the filtered rows of one stretch
    std::vector<uint8_t> compressed;  // grows to the largest stretch compressed on the thread
    std::vector<uint8_t> repeated;  // per row: the same as the row above
    std::unique_ptr<uint8_t[]> level = std::make_unique<uint8_t[]>(ISAL_DEF_LVL1_DEFAULT);
};

// The zlib stream of a canvas, written into `out` after its zlib header.
class ImageDeflater {
public:
    // `height` rows of `stride` bytes each at `pixels`.
    ImageDeflater(const uint8_t* pixels, size_t stride, int height, DeflateBuffers& buffers, std::vector<uint8_t>& out,
                  RowFilter changed_rows)
        : pixels_(pixels), height_(height), buffers_(buffers), out_(out), stride_(stride), changed_rows_(changed_rows) {}

    // False on a compressor error. `known_repeated`, when given, says per row whether it repeats the
    // row above; such rows are then never read.
    bool Run(const std::vector<uint8_t>* known_repeated = nullptr) {
        const int height = height_;
        std::vector<uint8_t>& repeated = buffers_.repeated;
        if (known_repeated != nullptr) {
            repeated = *known_repeated;
        } else {
            repeated.assign(size_t(height), 0);
            for (int y = 1; y < height; ++y) repeated[size_t(y)] = std::memcmp(Row(y), Row(y - 1), stride_) == 0;
        }
        out_.push_back(0x78);  // zlib: deflate with a 32 KB window
        out_.push_back(0x01);
        const size_t min_rows = std::max<size_t>(2, kMinRepeatBytes / (stride_ + 1));
        int start = 0;
        for (int y = 1; y <= height; ++y) {
            if (y < height && !repeated[size_t(y)]) continue;
            int end = y;
            while (end < height && repeated[size_t(end)]) ++end;
            if (size_t(end - y) < min_rows) {
                y = end;
                continue;
            }
            if (!CompressRows(start, y)) return false;
            RepeatRows(uint32_t(end - y));
            start = end;
            y = end;
        }
        if (start < height && !CompressRows(start, height)) return false;
        AppendFinalEmptyBlock(out_);
        for (int shift = 24; shift >= 0; shift -= 8) out_.push_back(uint8_t(adler_ >> shift));
        return true;
    }

private:
    const uint8_t* Row(int y) const { return pixels_ + size_t(y) * stride_; }

    // Rows [first, end) through igzip as a stream of their own, ending on a byte boundary. The bytes
    // must depend on the rows alone, never on what the thread compressed before: the stream starts
    // zeroed, the output room follows from the rows' size (not the thread buffer's, which igzip's
    // choice between coded and stored blocks could depend on), and the bytes igzip's vector paths
    // may read past the input are zeros, not an earlier image's rows.
    bool CompressRows(int first, int end) {
        if (first >= end) return true;
        std::vector<uint8_t>& filtered = buffers_.block;
        const size_t size = size_t(end - first) * (stride_ + 1);
        filtered.resize(size + kReadPastEnd);
        std::fill(filtered.begin() + std::ptrdiff_t(size), filtered.end(), uint8_t(0));
        for (int y = first; y < end; ++y) {
            const bool repeated = buffers_.repeated[size_t(y)] != 0;
            const bool up = y > 0 && (repeated || changed_rows_ == RowFilter::kUp);
            FilterRow(Row(y), up ? Row(y - 1) : nullptr, repeated, stride_,
                      filtered.data() + size_t(y - first) * (stride_ + 1));
        }
        adler_ = isal_adler32(adler_, filtered.data(), size);
        std::vector<uint8_t>& compressed = buffers_.compressed;
        // Room for stored blocks (5 bytes per 64 KB, plus headers), so one call always fits.
        const size_t bound = size + size / 16384 * 5 + 1024;
        if (compressed.size() < bound) compressed.resize(bound);
        isal_zstream stream{};
        isal_deflate_stateless_init(&stream);
        stream.level = 1;
        stream.level_buf = buffers_.level.get();
        stream.level_buf_size = ISAL_DEF_LVL1_DEFAULT;
        stream.gzip_flag = IGZIP_DEFLATE;
        stream.flush = FULL_FLUSH;
        stream.end_of_stream = 0;
        stream.next_in = filtered.data();
        stream.avail_in = uint32_t(size);
        stream.next_out = compressed.data();
        stream.avail_out = uint32_t(std::min<size_t>(bound, 0xFFFFFFFF));
        if (isal_deflate_stateless(&stream) != COMP_OK) return false;
        out_.insert(out_.end(), compressed.data(), stream.next_out);
        // An unusually large image does not keep its memory on the thread.
        if (filtered.capacity() > (size_t(64) << 20)) filtered = {};
        if (compressed.capacity() > (size_t(64) << 20)) compressed = {};
        return true;
    }

    // `rows` rows that each repeat the row above: filter Up, all zeros.
    void RepeatRows(uint32_t rows) {
        // Adler-32 of each row [2, 0 x stride] in closed form: the sum gains the filter byte, and
        // the weighted sum gains the new sum once per byte of the row.
        constexpr uint64_t kModulus = 65521;
        uint64_t sum = adler_ & 0xFFFF, weighted = adler_ >> 16;
        const uint64_t row_bytes = (stride_ + 1) % kModulus;
        for (uint32_t r = 0; r < rows; ++r) {
            sum = (sum + kFilterUp) % kModulus;
            weighted = (weighted + row_bytes * sum) % kModulus;
        }
        adler_ = uint32_t(weighted << 16 | sum);
        AppendRepeatedRowsBlock(out_, uint32_t(stride_), rows);
    }

    const uint8_t* pixels_;
    int height_;
    DeflateBuffers& buffers_;
    std::vector<uint8_t>& out_;
    size_t stride_;
    RowFilter changed_rows_;
    uint32_t adler_ = 1;
};

void PutHeader(std::vector<uint8_t>& out, int width, int height, const PngLayout& layout, int dpi) {
    out.insert(out.end(), kSignature, kSignature + 8);
    size_t chunk = OpenChunk(out, "IHDR");
    PutU32(out, uint32_t(width));
    PutU32(out, uint32_t(height));
    // deflate, adaptive filters, no interlace
    const uint8_t header_tail[5] = {uint8_t(layout.bit_depth), uint8_t(layout.colour_type), 0, 0, 0};
    out.insert(out.end(), header_tail, header_tail + 5);
    CloseChunk(out, chunk);

    if (!layout.palette.empty()) {
        chunk = OpenChunk(out, "PLTE");
        for (const Rgba& c : layout.palette) out.insert(out.end(), {c.r, c.g, c.b});
        CloseChunk(out, chunk);
        if (layout.palette.front().a != 255) {
            chunk = OpenChunk(out, "tRNS");
            for (const Rgba& c : layout.palette) {
                if (c.a == 255) break;
                out.push_back(c.a);
            }
            CloseChunk(out, chunk);
        }
    }

    if (dpi > 0) {
        chunk = OpenChunk(out, "pHYs");
        const uint32_t per_metre = uint32_t(std::lround(dpi / 0.0254));
        PutU32(out, per_metre);
        PutU32(out, per_metre);
        out.push_back(1);  // unit: metre
        CloseChunk(out, chunk);
    }
}

void PutEnd(std::vector<uint8_t>& out) { CloseChunk(out, OpenChunk(out, "IEND")); }

// Images of fewer than 8 bits a pixel up to kWholeImageBytes filtered bytes go through libdeflate
// whole; the rest through igzip and the repeated-row blocks. Up to 32 KB (barcodes of one to eight
// pixels a module, text included) level 6 stays 10 to 40% smaller than igzip level 1 at 15 to 60 µs
// per 10 KB (igzip: 1 to 2); level 8 came out at most 6% smaller in up to twice the time. Past that,
// level 9 on the whole image came out 25 to 55% smaller than igzip with the repeated-row blocks on
// linear symbols with text and on QR, Data Matrix and PDF417 of 8 to 16 pixels a module (100 KB to
// 600 KB), in 2 to 4 times igzip's time, still under half of what libzint takes for the same PNG;
// levels 10 to 12 took ten times as long for a few per cent. Near 1 MB the long runs of repeated rows
// of a linear symbol favour the repeated-row blocks. 8-bit layouts (smoothed text, many colours) came
// out larger whole than with the repeated-row blocks. Up to 4 KB (matrix symbols of one to three
// pixels a module) level 8 came out up to 6% smaller than level 6 for a microsecond or two; from 8
// to 16 KB (linear and stacked symbols of three pixels a module) up to 4% smaller (PDF417: 499 bytes
// against 513) for 5 to 10 µs; from 4 to 8 KB it came out no smaller, or larger (Data Matrix of
// eight pixels a module: 255 bytes against 236), in up to twice the time. From 32 to 128 KB level 6
// is tried as well and the smaller stream kept: on stacked symbols of about eight pixels a module it
// came out a few per cent smaller than level 9, in a fifth of its time; the second try adds 15 to
// 35% to a render of that size.
constexpr size_t kWholeImageBytes = 1024 * 1024;
struct WholeImageTier {
    size_t up_to;  // filtered bytes
    int level;
};
constexpr WholeImageTier kWholeImageTiers[] = {
    {4 * 1024, 8}, {8 * 1024, 6}, {16 * 1024, 8}, {32 * 1024, 6}, {kWholeImageBytes, 9}};
constexpr size_t kBothLevelsFrom = 32 * 1024, kBothLevelsTo = 128 * 1024;
constexpr int kSecondLevel = 6;

struct Compressor {
    explicit Compressor(int level) : c(libdeflate_alloc_compressor(level)) {}
    ~Compressor() { libdeflate_free_compressor(c); }
    libdeflate_compressor* c;
};

// `input` as a zlib stream appended to `out`. False on a compressor error.
bool Compress(const Compressor& compressor, const std::vector<uint8_t>& input, std::vector<uint8_t>& out) {
    if (compressor.c == nullptr) return false;
    const size_t start = out.size();
    const size_t bound = libdeflate_zlib_compress_bound(compressor.c, input.size());
    out.resize(start + bound);
    const size_t written = libdeflate_zlib_compress(compressor.c, input.data(), input.size(), out.data() + start, bound);
    out.resize(start + written);
    return written != 0;
}

// The zlib stream of a packed image compressed whole: every row unfiltered (a changed row of a barcode mostly
// matches some earlier row, which the compressor finds at any distance in the window; Up on the
// repeated rows measured larger). Rows that repeat the one above were never packed: copied here.
// False on a compressor error.
bool DeflateWholeImage(const uint8_t* packed, size_t stride, const std::vector<uint8_t>& repeated,
                       std::vector<uint8_t>& out) {
    const int height = int(repeated.size());
    thread_local Compressor six(6), eight(8), nine(9);
    auto compressor = [&](int level) -> const Compressor& { return level == 6 ? six : level == 8 ? eight : nine; };
    thread_local std::vector<uint8_t> filtered;
    filtered.resize(size_t(height) * (stride + 1));
    for (int y = 0; y < height; ++y) {
        uint8_t* row = filtered.data() + size_t(y) * (stride + 1);
        const uint8_t* source = repeated[size_t(y)] ? row - stride : packed + size_t(y) * stride;
        row[0] = kFilterNone;
        std::memcpy(row + 1, source, stride);
    }
    const size_t size = filtered.size();
    const size_t start = out.size();
    int level = kWholeImageTiers[0].level;
    for (const WholeImageTier& tier : kWholeImageTiers) {
        level = tier.level;
        if (size <= tier.up_to) break;
    }
    if (!Compress(compressor(level), filtered, out)) return false;
    if (size <= kBothLevelsFrom || size > kBothLevelsTo) return true;
    thread_local std::vector<uint8_t> second;
    second.clear();
    if (!Compress(compressor(kSecondLevel), filtered, second)) return false;
    if (second.size() < out.size() - start) {
        out.resize(start);
        out.insert(out.end(), second.begin(), second.end());
    }
    return true;
}

// Kept per thread: a draw then allocates little but its result.
DeflateBuffers& ThreadBuffers() {
    thread_local DeflateBuffers buffers;
    return buffers;
}

// The PNG of packed rows (`layout.Stride(width)` bytes each; rows marked in `repeated` are not read).
std::vector<uint8_t> WritePacked(const std::vector<uint8_t>& packed, int width, int height, const PngLayout& layout,
                                 const std::vector<uint8_t>& repeated, int dpi) {
    const size_t stride = layout.Stride(width);
    const bool whole = layout.bit_depth < 8 && size_t(height) * (stride + 1) <= kWholeImageBytes;
    std::vector<uint8_t> out;
    out.reserve(1024);
    PutHeader(out, width, height, layout, dpi);
    const size_t chunk = OpenChunk(out, "IDAT");
    const bool deflated = whole ? DeflateWholeImage(packed.data(), stride, repeated, out)
                                : ImageDeflater(packed.data(), stride, height, ThreadBuffers(), out,
                                                RowFilter::kNoneUnlessRepeated)
                                      .Run(&repeated);
    if (!deflated) return {};
    CloseChunk(out, chunk);
    PutEnd(out);
    return out;
}

}  // namespace

std::vector<uint8_t> EncodePng(const RasterCanvas& canvas, int dpi) {
    std::vector<uint8_t> out;
    out.reserve(4096);
    PutHeader(out, canvas.Width(), canvas.Height(), PngLayout{}, dpi);
    const size_t chunk = OpenChunk(out, "IDAT");
    if (!ImageDeflater(canvas.Pixels(), size_t(canvas.Width()) * 4, canvas.Height(), ThreadBuffers(), out,
                       RowFilter::kUp)
             .Run())
        return {};
    CloseChunk(out, chunk);
    PutEnd(out);
    return out;
}

std::vector<uint8_t> EncodeSmallestPng(const RasterCanvas& canvas, int dpi) {
    const std::vector<uint8_t> repeated = RepeatedRows(canvas);
    const PngLayout layout = ChoosePngLayout(canvas, repeated);
    if (layout.colour_type == PngColourType::kRgba) return EncodePng(canvas, dpi);
    thread_local std::vector<uint8_t> packed;
    PackPixels(canvas, layout, repeated, packed);
    std::vector<uint8_t> out = WritePacked(packed, canvas.Width(), canvas.Height(), layout, repeated, dpi);
    // An unusually large image does not keep its memory on the thread.
    if (packed.capacity() > (size_t(64) << 20)) packed = {};
    return out;
}

std::vector<uint8_t> EncodePackedPng(const std::vector<uint8_t>& packed, int width, int height, const PngLayout& layout,
                                     int dpi) {
    const size_t stride = layout.Stride(width);
    std::vector<uint8_t> repeated(size_t(height), 0);
    for (int y = 1; y < height; ++y)
        repeated[size_t(y)] = std::memcmp(packed.data() + size_t(y) * stride, packed.data() + size_t(y - 1) * stride,
                                          stride) == 0;
    return WritePacked(packed, width, height, layout, repeated, dpi);
}
