#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "core/raster/color.h"

// A stretch of one image row whose pixels are not all transparent: [begin, end) of row `row`.
struct CoverageRun {
    int row = 0;
    int begin = 0;
    int end = 0;
};

// The coverage runs of an ARGB8888 image, row by row.
std::vector<CoverageRun> CoverageRuns(const uint32_t* argb, int width, int height);

// An RGBA8 pixel buffer (bytes R, G, B, A in memory, rows without padding) that the raster
// painter writes directly.
class RasterCanvas {
public:
    RasterCanvas(int width, int height, Rgba background);
    // The same, in the memory of an earlier canvas: a draw then touches no fresh pages, which
    // matters most when threads draw at once (page faults serialise on the process's memory map).
    RasterCanvas(int width, int height, Rgba background, std::vector<uint32_t>&& storage);
    // Gives up the pixel memory for a later canvas.
    std::vector<uint32_t> TakeStorage() { return std::move(pixels_); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    const uint8_t* Pixels() const { return reinterpret_cast<const uint8_t*>(pixels_.data()); }
    uint8_t* MutablePixels() { return reinterpret_cast<uint8_t*>(pixels_.data()); }
    const uint32_t* Row(int y) const { return pixels_.data() + size_t(y) * size_t(width_); }

    // Covers the pixels whose centres lie in [x, x + w) x [y, y + h) with the colour, alpha included
    // (no blending). A fill along whole pixels would narrow or shift fractional bars by a pixel.
    // Single precision, as the layouts hand their coordinates over: x + w rounds as a float.
    void Fill(float x, float y, float w, float h, Rgba colour);
    // Fills rectangles that share the rows [y, y + h) (spans as x, w pairs), exactly as Fill would
    // one by one. Where those rows are still untouched across the spans'
    // extent, the first row is painted and copied down: a bar or module row costs one row of work.
    void FillBand(float y, float h, const std::vector<std::pair<float, float>>& spans, Rgba colour);
    // Blends an image of ARGB8888 pixels (alpha in the top byte) with its top left at (x, y),
    // clipped to the canvas, with the software blend of SDL's renderer to the bit. Only the image's
    // coverage runs are visited: the rest of a glyph image is transparent.
    void Blend(const uint32_t* argb, int image_width, int image_height, const std::vector<CoverageRun>& runs, int x,
               int y);
    // Blends one colour through a coverage mask (0..255 a pixel, `image_width` bytes a row) with its
    // top left at (x, y): the same pixels as Blend of that colour at alpha coverage x alpha / 255,
    // without building the ARGB image and its runs.
    void BlendCoverage(const uint8_t* coverage, int image_width, int image_height, Rgba colour, int x, int y);

private:
    // Pixels [left, right) of a row.
    struct Columns {
        int left;
        int right;
    };
    void Touch(int top, int bottom, int left, int right);

    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
    // Per row, the pixels that may differ from the background; right <= left when none do.
    std::vector<Columns> touched_;
    std::vector<Columns> band_columns_;  // FillBand's spans in pixels, kept for its next call
};

// One channel of the blend: the result over `destination` of `source` at coverage `alpha`.
inline uint8_t BlendChannel(int source, int destination, int alpha) {
    return uint8_t((((source - destination) * alpha) >> 8) + destination);
}
inline uint8_t BlendAlpha(int alpha, int destination_alpha) {
    return uint8_t(alpha + ((destination_alpha * (255 - alpha)) >> 8));
}
