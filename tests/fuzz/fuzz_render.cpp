// The render step on hostile options: the first byte picks a symbol, the next ones the options
// (module size, rotation, bar-width reduction, colours, text settings, quiet zones, bar height), the
// rest is the text. Settings may be refused, but only with EncodeError. A two-colour drawing must
// hold exactly the RGBA drawing's pixels: ink where the RGBA pixel is the foreground.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/model/encode_error.h"
#include "core/render/raster_draw.h"
#include "core/render/render.h"
#include "core/render/symbol_layout.h"
#include "symbologies/registry.h"

namespace {

const char* const kNames[] = {"code128", "ean13", "upca", "qr", "datamatrix", "pdf417", "databar-expanded", "itf14"};
constexpr size_t kOptionBytes = 10;

float Signed(uint8_t b) { return float(int(b) - 128) / 16.0f; }

void CheckOneBitMatchesRgba(const EncodedSymbol& symbol, const RenderOptions& options) {
    if (!DrawsInTwoColours(options)) return;
    const SymbolLayout layout = LayOutSymbol(symbol, options);
    if ((long long)layout.width * layout.height > 4'000'000) return;
    const BitCanvas ink = DrawInk(layout, options.rotate);
    const RasterCanvas rgba = DrawRgba(layout, options);
    if (ink.Width() != rgba.Width() || ink.Height() != rgba.Height()) std::abort();
    const Rgba f = options.foreground;
    const uint8_t fg[4] = {f.r, f.g, f.b, f.a};
    for (int y = 0; y < ink.Height(); ++y)
        for (int x = 0; x < ink.Width(); ++x)
            if (ink.Ink(x, y) != (std::memcmp(rgba.Pixels() + (size_t(y) * size_t(rgba.Width()) + size_t(x)) * 4, fg, 4) == 0))
                std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 + kOptionBytes) return 0;
    const uint8_t* o = data + 1;
    const std::string text(reinterpret_cast<const char*>(data + 1 + kOptionBytes), size - 1 - kOptionBytes);
    try {
        const EncodedSymbol symbol = Encode(kNames[data[0] % (sizeof kNames / sizeof kNames[0])], text, EncodeOptions{});
        RenderOptions options;
        options.module_pixels = 1 + o[0] % 6;
        options.rotate = 90 * (o[1] % 4);
        options.bar_width_reduction_pixels = o[2] % 4 == 0 ? 0.0 : Signed(o[2]);
        options.foreground = {uint8_t(o[3] & 0xE0), uint8_t(o[3] << 3), 0, uint8_t(o[4] & 1 ? 255 : o[4])};
        options.background = {255, uint8_t(o[5]), uint8_t(o[5] << 2), uint8_t(o[4] & 2 ? 255 : o[6])};
        options.text_antialias = o[6] & 1;
        options.show_text = !(o[6] & 2);
        options.text_position = o[6] & 4 ? TextPosition::Above : TextPosition::Below;
        options.light_margin_indicators = o[6] & 8;
        options.font = o[6] & 16 ? "ocr-b" : "";
        options.quiet_zone = symbol.quiet_zone;
        options.quiet_zone.left += Signed(o[7]);
        options.quiet_zone.top += Signed(o[8]) / 4.0f;
        options.bar_height = o[9] % 3 == 0 ? 0.0 : Signed(o[9]) * 4.0f;
        options.max_pixels = 4'000'000;
        CheckOneBitMatchesRgba(symbol, options);
        LaidOutSymbol laid_out(symbol, options);
        laid_out.Render(OutputKind::Png);
        laid_out.Render(o[0] & 0x80 ? OutputKind::Svg : OutputKind::Jpeg);
        laid_out.Render(o[6] & 32 ? OutputKind::Pdf : OutputKind::Eps);  // vector pages from the same layout
    } catch (const EncodeError&) {
    }
    return 0;
}
