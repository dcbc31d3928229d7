#include "core/raster/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/raster/pixel_rounding.h"

namespace {

uint32_t Pack(Rgba c) {
    uint32_t v;
    const uint8_t bytes[4] = {c.r, c.g, c.b, c.a};
    std::memcpy(&v, bytes, 4);
    return v;
}

// One pixel of source colour (r, g, b) at coverage `alpha` over the RGBA bytes at dst.
inline void BlendPixel(uint8_t* dst, int r, int g, int b, int alpha) {
    if (alpha == 0) return;
    if (alpha == 255) {
        dst[0] = uint8_t(r), dst[1] = uint8_t(g), dst[2] = uint8_t(b), dst[3] = 255;
        return;
    }
    dst[0] = BlendChannel(r, dst[0], alpha);
    dst[1] = BlendChannel(g, dst[1], alpha);
    dst[2] = BlendChannel(b, dst[2], alpha);
    dst[3] = BlendAlpha(alpha, dst[3]);
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height, Rgba background)
    : RasterCanvas(width, height, background, std::vector<uint32_t>()) {}

RasterCanvas::RasterCanvas(int width, int height, Rgba background, std::vector<uint32_t>&& storage)
    : width_(width), height_(height), pixels_(std::move(storage)), touched_(size_t(height), Columns{width, 0}) {
    pixels_.assign(size_t(width) * size_t(height), Pack(background));
}

void RasterCanvas::Touch(int top, int bottom, int left, int right) {
    for (int row = top; row < bottom; ++row) {
        Columns& t = touched_[size_t(row)];
        t.left = std::min(t.left, left);
        t.right = std::max(t.right, right);
    }
}

void RasterCanvas::FillBand(float y, float h, const std::vector<std::pair<float, float>>& spans, Rgba colour) {
    const int top = PixelEdgeWithin(y, height_), bottom = PixelEdgeWithin(y + h, height_);
    if (spans.empty() || top >= bottom) return;
    // Each span's pixels, worked out once: a module row at one or two pixels a module is mostly
    // edges, and they are needed for the band's extent and again for its fill.
    band_columns_.resize(spans.size());
    int low = width_, high = 0;
    for (size_t i = 0; i < spans.size(); ++i) {
        // Both ends clamped to the row before narrowing: hostile spans reach far outside it.
        const int left = PixelEdgeWithin(spans[i].first, width_);
        const int right = PixelEdgeWithin(spans[i].first + spans[i].second, width_);
        band_columns_[i] = {left, right};
        low = std::min(low, left);
        high = std::max(high, right);
    }
    bool untouched = low < high;
    for (int row = top; row < bottom && untouched; ++row)
        untouched = touched_[size_t(row)].right <= low || touched_[size_t(row)].left >= high;
    if (!untouched) {
        for (const auto& span : spans) Fill(span.first, y, span.second, h, colour);
        return;
    }
    // Rows of the band hold the background across [low, high): paint the first, copy it down.
    const uint32_t value = Pack(colour);
    uint32_t* first = pixels_.data() + size_t(top) * size_t(width_);
    for (const Columns& columns : band_columns_)
        for (int x = columns.left; x < columns.right; ++x) first[x] = value;  // a few pixels: no call
    for (int row = top + 1; row < bottom; ++row)
        std::memcpy(pixels_.data() + size_t(row) * size_t(width_) + size_t(low), first + low, size_t(high - low) * 4);
    Touch(top, bottom, low, high);
}

void RasterCanvas::Fill(float x, float y, float w, float h, Rgba colour) {
    const long long left = std::max(0LL, PixelEdge(x)), right = std::min<long long>(width_, PixelEdge(x + w));
    const long long top = std::max(0LL, PixelEdge(y)), bottom = std::min<long long>(height_, PixelEdge(y + h));
    if (left >= right || top >= bottom) return;
    Touch(int(top), int(bottom), int(left), int(right));
    const uint32_t value = Pack(colour);
    const size_t span = size_t(right - left);
    uint32_t* first = pixels_.data() + size_t(top) * size_t(width_) + size_t(left);
    std::fill_n(first, span, value);
    // Every further row of the rectangle is the same run of pixels.
    for (long long row = top + 1; row < bottom; ++row)
        std::memcpy(pixels_.data() + size_t(row) * size_t(width_) + size_t(left), first, span * 4);
}

std::vector<CoverageRun> CoverageRuns(const uint32_t* argb, int width, int height) {
    std::vector<CoverageRun> runs;
    for (int row = 0; row < height; ++row) {
        const uint32_t* line = argb + size_t(row) * size_t(width);
        for (int x = 0; x < width;) {
            if ((line[x] >> 24) == 0) {
                ++x;
                continue;
            }
            CoverageRun run;
            run.row = row;
            run.begin = x;
            while (x < width && (line[x] >> 24) != 0) ++x;
            run.end = x;
            runs.push_back(run);
        }
    }
    return runs;
}

void RasterCanvas::Blend(const uint32_t* argb, int image_width, int image_height, const std::vector<CoverageRun>& runs,
                         int x, int y) {
    const long long x0 = std::max(0LL, (long long)x), x1 = std::min<long long>(width_, (long long)x + image_width);
    const long long y0 = std::max(0LL, (long long)y), y1 = std::min<long long>(height_, (long long)y + image_height);
    if (x0 >= x1 || y0 >= y1) return;
    Touch(int(y0), int(y1), int(x0), int(x1));
    for (const CoverageRun& run : runs) {
        const long long row = (long long)y + run.row;
        const long long begin = std::max(x0, (long long)x + run.begin), end = std::min(x1, (long long)x + run.end);
        if (row < y0 || row >= y1 || begin >= end) continue;
        const uint32_t* src = argb + size_t(run.row) * size_t(image_width) + size_t(begin - x);
        uint8_t* dst = reinterpret_cast<uint8_t*>(pixels_.data() + size_t(row) * size_t(width_) + size_t(begin));
        for (long long col = begin; col < end; ++col, ++src, dst += 4) {
            const uint32_t s = *src;
            BlendPixel(dst, int((s >> 16) & 0xFF), int((s >> 8) & 0xFF), int(s & 0xFF), int(s >> 24));
        }
    }
}

void RasterCanvas::BlendCoverage(const uint8_t* coverage, int image_width, int image_height, Rgba colour, int x,
                                 int y) {
    const long long x0 = std::max(0LL, (long long)x), x1 = std::min<long long>(width_, (long long)x + image_width);
    const long long y0 = std::max(0LL, (long long)y), y1 = std::min<long long>(height_, (long long)y + image_height);
    if (x0 >= x1 || y0 >= y1) return;
    Touch(int(y0), int(y1), int(x0), int(x1));
    for (long long row = y0; row < y1; ++row) {
        const uint8_t* src = coverage + size_t(row - y) * size_t(image_width) + size_t(x0 - x);
        uint8_t* dst = reinterpret_cast<uint8_t*>(pixels_.data() + size_t(row) * size_t(width_) + size_t(x0));
        for (long long col = x0; col < x1; ++col, ++src, dst += 4)
            if (*src != 0) BlendPixel(dst, colour.r, colour.g, colour.b, *src * colour.a / 255);
    }
}
