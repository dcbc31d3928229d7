#include "symbologies/linear/nw7.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <stdexcept>

namespace {

constexpr char kCharset[] = "ABCD.+:/$-0123456789";

// Seven elements per character, bit 6 first: bar, space, ..., bar; a set bit is wide.
constexpr unsigned char kPatterns[20] = {
    0b0011010, 0b0101001, 0b0001011, 0b0001110,                        // A B C D
    0b1010100, 0b0010101, 0b1000101, 0b1010001, 0b0011000, 0b0001100,  // . + : / $ -
    0b0000011, 0b0000110, 0b0001001, 0b1100000, 0b0010010,             // 0-4
    0b1000010, 0b0100001, 0b0100100, 0b0110000, 0b1001000,             // 5-9
};
constexpr int kInterCharacterGap = 2;

bool IsStartStop(char c) { return c >= 'A' && c <= 'D'; }
char ToUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

}  // namespace

ModuleWidths EncodeNW7(const std::string& code) {
    if (code.empty()) throw std::runtime_error("Empty string");
    std::string text(code.size(), '\0');
    std::transform(code.begin(), code.end(), text.begin(), ToUpper);

    const bool starts = IsStartStop(text.front());
    const bool stops = IsStartStop(text.back());
    if (starts != stops) throw std::runtime_error("Invalid start/stop character combination in NW7: " + text);
    if (!starts) text = 'C' + text + 'C';

    ModuleWidths out;
    out.reserve(8 * text.size());
    for (char c : text) {
        const char* found = c == '\0' ? nullptr : std::strchr(kCharset, c);
        if (found == nullptr) throw std::runtime_error(std::string("Invalid character in NW7: ") + c);
        if (!out.empty()) out.push_back(kInterCharacterGap);
        const unsigned pattern = kPatterns[found - kCharset];
        for (int bit = 6; bit >= 0; --bit) out.push_back((pattern >> bit) & 1 ? 3 : 1);
    }
    return out;
}

std::string NW7::HumanText(const std::string& code) const {
    if (show_start_stop_ || code.empty()) return code;
    if (!IsStartStop(ToUpper(code.front())) || !IsStartStop(ToUpper(code.back()))) return code;
    return code.size() <= 2 ? std::string() : code.substr(1, code.size() - 2);
}

bool NW7::Draw(const std::string& code, int x, int y, int width, int height) {
    if (IsSvgMode()) return DrawSvg(code, x, y, width, height);
    return DrawSymbol(code, x, y, width, height);
}

bool NW7::DrawSvg(const std::string& code, int x, int y, int width, int height) {
    return DrawSymbol(code, x, y, width, height);
}

bool NW7::DrawSymbol(const std::string& code, int x, int y, int width, int height) {
    ModuleWidths widths;
    return RunDraw(
        "[NW7]", width, height,
        [&] {
            ComputeBarHeight(height, 1);
            widths = EncodeNW7(code);
        },
        [&] {
            // SVG keeps the fractional widths of the common bar pass.
            const int drawn = IsSvgMode() ? DrawBars(widths, x, y, width) : DrawWholePixelBars(widths, x, y, width);
            DrawHumanText(HumanText(code), x, y, drawn, height);
        });
}

int NW7::DrawWholePixelBars(const ModuleWidths& widths, int x0, int y0, int width) {
    const int modules = std::accumulate(widths.begin(), widths.end(), 0);
    const float scale = ModuleScale(modules, width);
    // 64-bit sums: the pixel adjustments are arbitrary ints.
    int64_t x = x0;
    bool bar = true;
    for (int w : widths) {
        const int64_t base = std::max<int64_t>(1, static_cast<int64_t>(w * scale));
        if (bar) {
            const int64_t drawn = std::max<int64_t>(1, PxAdjustBlack() + base);
            FillRect(static_cast<float>(x), static_cast<float>(y0), static_cast<float>(drawn), bar_height_,
                     ForegroundColor());
            x += drawn;
        } else {
            x += std::max<int64_t>(1, PxAdjustWhite() + base);
        }
        bar = !bar;
    }
    return static_cast<int>(std::min<int64_t>(x - x0, INT32_MAX));
}
