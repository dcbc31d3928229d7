#include <gtest/gtest.h>

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
        EXPECT_TRUE(PngRoundTrips(canvas)) << c.width << " x " << c.height;
    }
}

}  // namespace
