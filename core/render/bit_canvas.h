#pragma once
#include <cstdint>
#include <utility>
#include <vector>

// A one-bit image of where the foreground inks (1) and where the background shows (0): rows of
// (width + 7) / 8 bytes, the leftmost pixel in the top bit, as PNG packs one-bit samples. A symbol
// of two colours drawn here skips the RGBA canvas, its colour survey and its packing: an eighth of
// a byte a pixel instead of four. Fills cover the same pixels as RasterCanvas's.
class BitCanvas {
public:
    BitCanvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    size_t Stride() const { return stride_; }
    bool Ink(int x, int y) const { return (bits_[size_t(y) * stride_ + size_t(x >> 3)] >> (7 - (x & 7))) & 1; }
    const std::vector<uint8_t>& Bytes() const { return bits_; }

    // Inks the pixels whose centres lie in [x, x + w) x [y, y + h).
    void Fill(float x, float y, float w, float h);
    // Inks rectangles that share the rows [y, y + h) (spans as x, w pairs): one row of work, ORed
    // into the band's rows.
    void FillBand(float y, float h, const std::vector<std::pair<float, float>>& spans);
    // Inks the pixels of a coverage mask (`mask_width` bytes a row) that are not 0, its top left at
    // (x, y), clipped to the canvas.
    void Stamp(const uint8_t* coverage, int mask_width, int mask_height, int x, int y);
    // The image turned clockwise by 90, 180 or 270 degrees.
    BitCanvas Rotated(int rotate) const;
    // Every sample flipped, for a PNG layout that gives the foreground sample 0; the padding bits
    // at the end of each row stay 0.
    void Invert();

private:
    // Inks `count` spans (x, w) = span_at(k) across the rows [y, y + h).
    template <typename SpanAt>
    void FillSpans(float y, float h, size_t count, SpanAt span_at);

    int width_;
    int height_;
    size_t stride_;
    std::vector<uint8_t> bits_;
    std::vector<uint8_t> band_;  // one row: FillBand's spans, all 0 between calls
};
