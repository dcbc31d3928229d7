#pragma once
#include <cstdint>
#include <vector>

#include "core/raster/color.h"
#include "core/raster/raster_canvas.h"

// The smallest PNG pixel layout that holds a canvas exactly: grey at 1, 2, 4 or 8 bits when every
// pixel is an opaque grey that depth can hold, a palette of 1, 2, 4 or 8 bits for at most 256
// colours (translucent ones first, so the tRNS chunk stops at the last of them), else 8-bit grey
// with alpha, RGB or RGBA. Grey with alpha also wins over an 8-bit palette of greys (anti-aliased
// text blended a shade short of opaque): no 1 KB of PLTE and tRNS. A barcode is mostly two
// colours: one bit a pixel where RGBA spends 32.
enum class PngColourType : uint8_t { kGrey = 0, kRgb = 2, kPalette = 3, kGreyAlpha = 4, kRgba = 6 };

struct PngLayout {
    PngColourType colour_type = PngColourType::kRgba;
    int bit_depth = 8;
    std::vector<Rgba> palette;  // kPalette only

    int Channels() const;
    // Bytes of one packed row of `width` pixels.
    size_t Stride(int width) const;
};

// The layout of a one-bit image of two colours, `ink` where a sample is 1 and `paper` where it is 0,
// as ChoosePngLayout finds it for such a canvas: one-bit grey when both are opaque black or white,
// else a palette of the two, a translucent one first. `invert` when the layout's sample for the ink
// is 0: the image's bits must be flipped to match.
struct OneBitLayout {
    PngLayout layout;
    bool invert = false;
};
OneBitLayout ChooseOneBitLayout(Rgba ink, Rgba paper);

// Per row of the canvas: 1 when it repeats the row above. Both steps below skip those rows.
std::vector<uint8_t> RepeatedRows(const RasterCanvas& canvas);

PngLayout ChoosePngLayout(const RasterCanvas& canvas, const std::vector<uint8_t>& repeated);

// The canvas's rows in the layout, packed without filter bytes (`Stride` bytes a row). Rows that
// repeat the one above are skipped (left as they were): the writer codes them without reading.
void PackPixels(const RasterCanvas& canvas, const PngLayout& layout, const std::vector<uint8_t>& repeated,
                std::vector<uint8_t>& packed);
