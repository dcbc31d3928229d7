#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/png_round_trip.h"

namespace {

// Canvases whose repeated rows exercise every shape of the repeated-row blocks: row lengths whose
// zeros leave no remainder, one or two literal zeros, or a remainder match; runs long enough for a
// block of their own and too short for one; distinct rows between them. libpng decodes each to the
// same pixels (worked by hand from RFC 1951 for the block layout; libpng is the reader).
TEST(PngWriter, LibpngReadsBackEveryRowShape) {
    struct Case {
        int width;       // stride - 1 = 4 x width - 1 zeros after the first
        int height;
        int band_rows;   // rows per band of identical rows
    } cases[] = {
        {1, 30000, 10000},  // 3 zeros: one 3-byte match
        {65, 600, 200},    // 259 zeros: one 258 match, one literal zero
        {129, 600, 300},   // 515 zeros: 258 + 257
        {130, 400, 100},   // 519 zeros: two 258 matches, a 3-byte match
        {322, 300, 60},    // 1287 zeros: 258 x 4 + 255
        {645, 120, 40},    // 2579 zeros: 258 x 9 + 257
        {300, 100, 2},     // runs too short for a block of their own
        {7, 4000, 4000},   // one band: the first row, then a run to the end
    };
    for (const Case& c : cases) {
        RasterCanvas canvas(c.width, c.height, Rgba{255, 255, 255, 255});
        for (int band = 0; band * c.band_rows < c.height; ++band) {
            const uint8_t shade = uint8_t(band * 37);
            canvas.Fill(float(band % c.width), float(band * c.band_rows), float(c.width) / 2, float(c.band_rows),
                        Rgba{shade, uint8_t(255 - shade), 0, uint8_t(128 + band)});
        }
        EXPECT_TRUE(PngRoundTrips(canvas, EncodePng)) << c.width << " x " << c.height;
        EXPECT_TRUE(PngRoundTrips(canvas, EncodeSmallestPng)) << c.width << " x " << c.height;
    }
}

// The smallest exact layout of canvases of n colours, one colour per column, in bands of repeated
// rows with a changed row between them: libpng reads each back to the same RGBA. The expected
// colour type and depth are worked by hand from the PNG format's layouts (grey holds 2^depth evenly
// spaced levels; a palette 2^depth entries).
TEST(SmallestPng, PicksTheSmallestExactLayoutAndReadsBack) {
    const auto grey_steps = [](int step, uint8_t alpha) {
        return [=](int i) { const uint8_t v = uint8_t(255 - i * step % 256); return Rgba{v, v, v, alpha}; };
    };
    const auto colours = [](uint8_t alpha) {
        return [=](int i) { return Rgba{uint8_t(i * 7), uint8_t(i * 13 / 5), uint8_t(255 - i), alpha}; };
    };
    struct Case {
        const char* what;
        int count;
        std::function<Rgba(int)> colour;
        int colour_type;
        int bit_depth;
    } cases[] = {
        {"black and white", 2, grey_steps(255, 255), 0, 1},
        {"four grey levels", 4, grey_steps(85, 255), 0, 2},
        {"five grey levels of 17", 5, grey_steps(17, 255), 0, 4},
        {"three greys no 2-bit grey holds", 3, grey_steps(3, 255), 3, 2},
        {"blue and white", 2, colours(255), 3, 1},
        {"two translucent colours", 2, colours(128), 3, 1},
        {"ten colours", 10, colours(255), 3, 4},
        {"40 opaque greys", 40, grey_steps(3, 255), 0, 8},
        {"40 colours", 40, colours(255), 3, 8},
        {"40 greys a shade short of opaque", 40, grey_steps(3, 254), 4, 8},
        {"256 colours", 256, colours(200), 3, 8},
        {"257 opaque colours", 257, colours(255), 2, 8},
        {"300 translucent greys", 300, [](int i) { return Rgba{uint8_t(i), uint8_t(i), uint8_t(i), uint8_t(i / 2)}; }, 4, 8},
        {"300 translucent colours", 300, colours(7), 6, 8},
    };
    for (const Case& c : cases) {
        const int width = c.count + 3;  // rows that end mid-byte
        RasterCanvas canvas(width, 60, c.colour(0));
        for (int band = 0; band < 3; ++band) {
            for (int x = 0; x < c.count; ++x)
                canvas.Fill(float((x + band) % width), float(band * 20), 1, 19, c.colour(x));
        }
        const std::vector<uint8_t> png = EncodeSmallestPng(canvas, 0);
        ASSERT_GT(png.size(), 26u) << c.what;
        EXPECT_EQ(png[25], c.colour_type) << c.what;  // IHDR: width, height, then depth and colour type
        EXPECT_EQ(png[24], c.bit_depth) << c.what;
        EXPECT_TRUE(PngRoundTrips(canvas, EncodeSmallestPng)) << c.what;
    }
}

// Black-and-white canvases whose filtered rows (101 bytes each) fall each side of the 12 KB and
// 32 KB sizes where the compressor changes: libpng reads each back, and the bytes are the same on
// a second encode (they depend on the image alone).
TEST(SmallestPng, EachCompressorReadsBackAndRepeats) {
    for (const int height : {121, 122, 324, 325}) {
        RasterCanvas canvas(800, height, Rgba{255, 255, 255, 255});
        for (int x = 0; x < 800; x += 7) canvas.Fill(float(x), float(x % 40), float(1 + x % 3), float(height - x % 90), Rgba{0, 0, 0, 255});
        EXPECT_TRUE(PngRoundTrips(canvas, EncodeSmallestPng)) << height;
        EXPECT_EQ(EncodeSmallestPng(canvas, 0), EncodeSmallestPng(canvas, 0)) << height;
    }
}

}  // namespace
