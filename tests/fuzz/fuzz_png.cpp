// The PNG writer against libpng: a canvas of random size painted in random bands of identical rows
// (and the odd distinct row), encoded and decoded; any difference or libpng complaint is a crash.
#include <cstdlib>

#include <fuzzer/FuzzedDataProvider.h>

#include "tests/png_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange(1, 700);
    const int height = input.ConsumeIntegralInRange(1, 1500);
    RasterCanvas canvas(width, height, Rgba{input.ConsumeIntegral<uint8_t>(), input.ConsumeIntegral<uint8_t>(),
                                            input.ConsumeIntegral<uint8_t>(), input.ConsumeIntegral<uint8_t>()});
    for (int y = 0; y < height && input.remaining_bytes() > 0;) {
        const int rows = input.ConsumeIntegralInRange(1, 400);
        const float x = input.ConsumeFloatingPointInRange(-2.0f, float(width));
        const float w = input.ConsumeFloatingPointInRange(0.0f, float(width));
        const Rgba colour{input.ConsumeIntegral<uint8_t>(), input.ConsumeIntegral<uint8_t>(),
                          input.ConsumeIntegral<uint8_t>(), input.ConsumeIntegral<uint8_t>()};
        canvas.Fill(x, float(y), w, float(rows), colour);
        y += rows;
    }
    if (!PngRoundTrips(canvas)) std::abort();
    return 0;
}
