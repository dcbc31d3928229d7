// The PNG writers against libpng: a canvas of random size painted in random bands of identical rows
// (and the odd distinct row), in random colours or greys, opaque or not, encoded in RGBA and in the
// smallest layout and decoded; any difference or libpng complaint is a crash.
#include <cstdlib>

#include <fuzzer/FuzzedDataProvider.h>

#include "tests/png_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange(1, 700);
    const int height = input.ConsumeIntegralInRange(1, 1500);
    // Greys and opaque colours reach the grey and palette-without-tRNS layouts.
    const bool grey = input.ConsumeBool();
    const bool opaque = input.ConsumeBool();
    const auto next_colour = [&] {
        const uint8_t r = input.ConsumeIntegral<uint8_t>();
        const uint8_t g = grey ? r : input.ConsumeIntegral<uint8_t>();
        const uint8_t b = grey ? r : input.ConsumeIntegral<uint8_t>();
        return Rgba{r, g, b, opaque ? uint8_t(255) : input.ConsumeIntegral<uint8_t>()};
    };
    RasterCanvas canvas(width, height, next_colour());
    for (int y = 0; y < height && input.remaining_bytes() > 0;) {
        const int rows = input.ConsumeIntegralInRange(1, 400);
        const float x = input.ConsumeFloatingPointInRange(-2.0f, float(width));
        const float w = input.ConsumeFloatingPointInRange(0.0f, float(width));
        const Rgba colour = next_colour();
        canvas.Fill(x, float(y), w, float(rows), colour);
        y += rows;
    }
    if (!PngRoundTrips(canvas, EncodePng) || !PngRoundTrips(canvas, EncodeSmallestPng)) std::abort();
    return 0;
}
