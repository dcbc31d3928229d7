// The floor under every raster draw: encoding an already drawn 300x100 canvas as PNG, with no drawing.
#include <chrono>
#include <cstdio>

#include "core/classes/linear_classes.h"

int main() {
    // GetImageData re-encodes the canvas the last draw left, so the loop times the encoder alone.
    Code39 symbol("png");
    if (!symbol.Draw("HELLO-39", 0, 0, 300, 100)) return 1;
    size_t bytes = 0;
    int n = 0;
    const auto start = std::chrono::steady_clock::now();
    double elapsed = 0;
    while (elapsed < 1.0) {
        bytes = symbol.GetImageData().size();
        ++n;
        elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::printf("%-32s %-14s %10.0f %11zu\n", "PNG encode only, 300x100", "floor", n / elapsed, bytes);
    return 0;
}
