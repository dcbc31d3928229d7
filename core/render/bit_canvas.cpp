#include "core/render/bit_canvas.h"

#include <algorithm>
#include <cstring>

#include "core/raster/pixel_rounding.h"

namespace {

// Bytes past a row that a 64-bit OR at its last byte may touch.
constexpr size_t kRunSlack = 8;

// ORs 64 bits into the eight bytes at `at`, the first byte from the top bits.
inline void OrBigEndian(uint8_t* at, uint64_t bits) {
    uint64_t word;
    std::memcpy(&word, at, 8);
    word |= __builtin_bswap64(bits);
    std::memcpy(at, &word, 8);
}

// Sets bits [left, right) of a packed row, byte by byte.
void SetRun(uint8_t* row, int left, int right) {
    const int first = left >> 3, last = (right - 1) >> 3;
    if (first == last) {
        row[first] |= uint8_t((0xFF >> (left & 7)) & (0xFF << (7 - ((right - 1) & 7))));
        return;
    }
    row[first] |= uint8_t(0xFF >> (left & 7));
    std::memset(row + first + 1, 0xFF, size_t(last - first - 1));
    row[last] |= uint8_t(0xFF << (7 - ((right - 1) & 7)));
}

}  // namespace

BitCanvas::BitCanvas(int width, int height)
    : width_(width), height_(height), stride_((size_t(width) + 7) / 8), bits_(stride_ * size_t(height), 0),
      band_(stride_ + kRunSlack, 0) {}

template <typename SpanAt>
void BitCanvas::FillSpans(float y, float h, size_t count, SpanAt span_at) {
    const int top = PixelEdgeWithin(y, height_), bottom = PixelEdgeWithin(y + h, height_);
    if (top >= bottom) return;
    // The band's bytes [low, high) that hold ink, set in a row of their own, then ORed into the rows.
    // Spans gather in a 64-bit window over the bytes from `base` and go to memory when one falls
    // outside it: at one or two pixels a module a band is mostly short runs a byte or two apart,
    // which set byte by byte took an eighth more of the whole drawing (PDF417 at one pixel a module).
    uint8_t* band = band_.data();
    size_t low = stride_, high = 0;
    uint64_t window = 0;
    int base = 0;
    for (size_t i = 0; i < count; ++i) {
        const auto [x, w] = span_at(i);
        const int left = PixelEdgeWithin(x, width_), right = PixelEdgeWithin(x + w, width_);
        if (left >= right) continue;
        low = std::min(low, size_t(left >> 3));
        high = std::max(high, size_t((right + 7) >> 3));
        if (left < base * 8 || right > base * 8 + 64) {
            OrBigEndian(band + base, window);
            window = 0;
            base = left >> 3;
            if (right > base * 8 + 64) {
                SetRun(band, left, right);
                continue;
            }
        }
        const int end = right - base * 8;  // 1 to 64
        window |= (~0ULL >> (left - base * 8)) & (end == 64 ? ~0ULL : ~(~0ULL >> end));
    }
    OrBigEndian(band + base, window);
    for (int row = top; row < bottom; ++row) {
        uint8_t* dst = bits_.data() + size_t(row) * stride_;
        for (size_t i = low; i < high; ++i) dst[i] |= band[i];
    }
    if (low < high) std::memset(band + low, 0, high - low);
}

void BitCanvas::Fill(float x, float y, float w, float h) {
    FillSpans(y, h, 1, [&](size_t) { return std::make_pair(x, w); });
}

void BitCanvas::FillBand(float y, float h, const std::vector<std::pair<float, float>>& spans) {
    FillSpans(y, h, spans.size(), [&](size_t i) { return spans[i]; });
}

void BitCanvas::Stamp(const uint8_t* coverage, int mask_width, int mask_height, int x, int y) {
    const long long x0 = std::max(0LL, (long long)x), x1 = std::min<long long>(width_, (long long)x + mask_width);
    const long long y0 = std::max(0LL, (long long)y), y1 = std::min<long long>(height_, (long long)y + mask_height);
    for (long long row = y0; row < y1; ++row) {
        const uint8_t* src = coverage + size_t(row - y) * size_t(mask_width);
        uint8_t* dst = bits_.data() + size_t(row) * stride_;
        for (long long col = x0; col < x1; ++col)
            if (src[col - x] != 0) dst[col >> 3] |= uint8_t(0x80 >> (col & 7));
    }
}

BitCanvas BitCanvas::Rotated(int rotate) const {
    const bool turned = rotate == 90 || rotate == 270;
    BitCanvas out(turned ? height_ : width_, turned ? width_ : height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            if (!Ink(x, y)) continue;
            int ox, oy;
            if (rotate == 90) ox = height_ - 1 - y, oy = x;
            else if (rotate == 180) ox = width_ - 1 - x, oy = height_ - 1 - y;
            else ox = y, oy = width_ - 1 - x;
            out.bits_[size_t(oy) * out.stride_ + size_t(ox >> 3)] |= uint8_t(0x80 >> (ox & 7));
        }
    return out;
}

void BitCanvas::Invert() {
    if (stride_ == 0) return;
    const uint8_t last_mask = uint8_t(0xFF << (stride_ * 8 - size_t(width_)));
    for (int y = 0; y < height_; ++y) {
        uint8_t* row = bits_.data() + size_t(y) * stride_;
        for (size_t i = 0; i < stride_; ++i) row[i] = uint8_t(~row[i]);
        row[stride_ - 1] &= last_mask;
    }
}
