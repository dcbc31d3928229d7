// Renders per second of the render step for an EAN-13 with its OCR-B digits and a 25x25 matrix,
// as PNG and SVG at 1, 2 and 4 pixels per module, with the size of each output.
#include <chrono>
#include <cstdio>

#include "core/render/render.h"

namespace {

EncodedSymbol Ean13Like() {
    EncodedSymbol s;
    s.width = 95;
    s.face = TextFace::OcrB;
    s.bar_height = 69.24;
    s.guard_descent = 5;
    s.quiet_zone = {11, 0, 7, 0};
    SymbolRow row;
    for (int m = 0; m < 95; ++m) row.modules.push_back(uint8_t(m * 7 / 3 % 2));
    row.extends.assign(95, 0);
    for (int m : {0, 1, 2, 45, 46, 47, 48, 49, 92, 93, 94}) row.extends[size_t(m)] = 1;
    s.rows.push_back(row);
    s.text.push_back({"4", -7.75, 0, TextRole::Outer, 0.0});
    for (int k = 1; k <= 12; ++k)
        s.text.push_back({std::string(1, char('0' + k % 10)), (k <= 6 ? 3 + 7 * (k - 1) : 50 + 7 * (k - 7)) + 3.5, 0,
                          TextRole::Main, 0.0});
    return s;
}

EncodedSymbol MatrixLike() {
    EncodedSymbol s;
    s.shape = SymbolShape::Matrix;
    s.width = 25;
    s.quiet_zone = {4, 4, 4, 4};
    for (int r = 0; r < 25; ++r) {
        SymbolRow row;
        row.height = 1;
        for (int c = 0; c < 25; ++c) row.modules.push_back(uint8_t((r * 31 + c * 17 + r * c) % 7 < 3));
        s.rows.push_back(row);
    }
    return s;
}

}  // namespace

int main() {
    const struct {
        const char* name;
        EncodedSymbol symbol;
    } symbols[] = {{"EAN-13 with digits", Ean13Like()}, {"25x25 matrix", MatrixLike()}};
    for (const auto& s : symbols)
        for (OutputKind kind : {OutputKind::Png, OutputKind::Svg})
            for (int mp : {1, 2, 4}) {
                RenderOptions o;
                o.module_pixels = mp;
                o.quiet_zone = s.symbol.quiet_zone;
                size_t bytes = 0;
                int n = 0;
                const auto start = std::chrono::steady_clock::now();
                double elapsed = 0;
                while (elapsed < 0.5) {
                    bytes = Render(s.symbol, o, kind).bytes.size();
                    ++n;
                    elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                }
                std::printf("%-20s %s %d px/module %10.0f per s %8zu bytes\n", s.name,
                            kind == OutputKind::Png ? "PNG" : "SVG", mp, n / elapsed, bytes);
            }
    return 0;
}
