#include "symbologies/retail/ean_upc_layout.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/text.h"

namespace {

// A length derived from user-set scales, kept within [0, limit]; NaN and negatives give 0.
float Bounded(float value, float limit) { return value > 0.0f ? std::min(value, limit) : 0.0f; }

// A pixel coordinate as an int, saturated so that extreme settings cannot overflow later arithmetic.
int Pixel(float value) {
    constexpr float kLimit = 1 << 30;
    return value > -kLimit ? int(std::min(value, kLimit)) : -int(kLimit);
}

}  // namespace

// How the digits of one draw are written: raster glyph images or SVG text elements.
struct EanUpcBarcode::DigitPen {
    float digit_width;
    float leading_x;    // left edge of the leading digit
    float trailing_x;   // left edge of the trailing digit
    bool whole_pixels;  // group bounds snap to pixels
    std::function<void(const std::string& text, float x, bool centred)> put;
};

bool EanUpcBarcode::Draw(const std::string& code, int x, int y, int width, int height) {
    if (IsSvgMode()) return DrawSvg(code, x, y, width, height);
    return DrawSymbol(code, x, y, width, height);
}

bool EanUpcBarcode::DrawSvg(const std::string& code, int x, int y, int width, int height) {
    return DrawSymbol(code, x, y, width, height);
}

bool EanUpcBarcode::DrawSymbol(const std::string& code, int x0, int y0, int width, int height) {
    std::string digits;
    ModuleWidths widths;
    return RunDraw(
        symbology_.tag, width, height,
        [&] {
            ComputeBarHeight(height, 1);
            digits = symbology_.complete(code);
            widths = symbology_.encode(digits);
        },
        [&] {
            if (extended_guard_) {
                PaintExtended(widths, digits, x0, y0, width, height);
                return;
            }
            const int drawn_width = DrawBars(widths, x0, y0, width);
            DrawHumanText(digits, x0, y0, drawn_width, height);
        });
}

void EanUpcBarcode::PaintExtended(const ModuleWidths& widths, const std::string& digits, int x0, int y0,
                                  int width, int height) {
    const bool svg = IsSvgMode();
    // Raster keeps margins and heights on whole pixels so every bar edge lands on one.
    auto snap = [svg](float v) { return svg ? v : std::floor(v); };
    const float t = float(height) * 0.2f * TextFontScale();
    const float margin = ShowText() ? snap(Bounded(t * symbology_.margin_factor, float(width))) : 0.0f;
    const float available = float(width) - margin * (symbology_.right_margin ? 2.0f : 1.0f);

    int modules = 0;
    for (int w : widths) modules += w;
    float scale = available / float(modules);
    if (!FitWidth()) scale = std::max(1.0f, std::floor(scale));

    const float bar = snap(BarHeight());
    const float guard = ShowText() ? bar + snap(Bounded(t * symbology_.guard_factor, float(height)))
                                   : snap(bar * 1.05f);
    const Rgba fg = ForegroundColor();
    const float adjust_black = float(PxAdjustBlack());
    const float adjust_white = float(PxAdjustWhite());

    float edge_x[4];
    int passed = 0;  // zone edges passed; an even count means a tall zone
    int module = 0;
    float x = float(x0) + margin;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        while (passed < 4 && module >= symbology_.zone_edges[passed]) edge_x[passed++] = x;
        const float base = std::max(1.0f, float(widths[i]) * scale);
        if (i % 2 == 0) {
            const float drawn = std::max(1.0f, adjust_black + base);
            FillRect(x, float(y0), drawn, passed % 2 == 0 ? guard : bar, fg);
            x += drawn;
        } else {
            x += std::max(1.0f, adjust_white + base);
        }
        module += widths[i];
    }
    while (passed < 4) edge_x[passed++] = x;

    if (!ShowText()) return;
    if (svg) {
        PlaceSvgDigits(digits, edge_x, margin, x, x0, y0, height);
    } else {
        PlaceRasterDigits(digits, edge_x, margin, x, x0, y0, height);
    }
}

void EanUpcBarcode::PlaceDigits(const std::string& digits, const float edge_x[4], float margin,
                                const DigitPen& pen) const {
    if (symbology_.leading_digit) pen.put(digits.substr(0, 1), pen.leading_x, false);
    const float inset = margin * symbology_.group_inset;
    for (int g = 0; g < symbology_.group_count; ++g) {
        const EanUpcDigitGroup& group = symbology_.groups[g];
        float a = edge_x[group.begin_edge] + inset;
        float b = edge_x[group.end_edge] - inset;
        if (pen.whole_pixels) {
            a = std::floor(a);
            b = std::floor(b);
        }
        // A group with less room than two digit widths is left out rather than overprinted.
        const float avail = (b - a) - 2.0f * pen.digit_width;
        if (!(avail > 0.0f)) continue;
        const std::string text = digits.substr(group.first, group.count);
        if (!TextEvenSpacing()) {
            pen.put(text, a + (b - a) * 0.5f, true);
            continue;
        }
        const float step = avail / float(group.count - 1);
        for (int j = 0; j < group.count; ++j)
            pen.put(text.substr(j, 1), a + pen.digit_width + step * float(j), true);
    }
    if (symbology_.trailing_digit) pen.put(digits.substr(digits.size() - 1), pen.trailing_x, false);
}

void EanUpcBarcode::PlaceRasterDigits(const std::string& digits, const float edge_x[4], float margin,
                                      float bars_end, int x0, int y0, int height) {
    if (SharedTextFont() == nullptr) return;
    const int font_size = TextFontSize(height);
    ScopedFont font(font_size);  // reports its own failure
    if (!font) return;
    int digit_width = MeasureTextWidth(font.get(), "0");
    if (digit_width < 0) digit_width = font_size / 2;
    float top = float(y0) + std::floor(BarHeight());
    if (symbology_.raster_text_below_gap) top += float(std::max(1, Pixel(float(height) * 0.03f * TextGapScale())));
    const int top_px = Pixel(top);
    const Rgba fg = ForegroundColor();
    const DigitPen pen{float(digit_width), float(x0), bars_end + margin - float(digit_width), true,
                       [&](const std::string& text, float x, bool centred) {
                           TextImage image(font.get(), text, fg);
                           if (!image) return;
                           image.CopyTo(Renderer(), Pixel(std::floor(x)) - (centred ? image.Width() / 2 : 0),
                                        top_px);
                       }};
    PlaceDigits(digits, edge_x, margin, pen);
}

void EanUpcBarcode::PlaceSvgDigits(const std::string& digits, const float edge_x[4], float margin, float bars_end,
                                   int x0, int y0, int height) {
    // SVG has no font metrics to measure, so a digit is estimated at 0.6 of the font size.
    const int font_size = std::max(8, Pixel(float(TextFontSize(height)) * 0.8f));
    const float digit_width = 0.6f * float(font_size);
    const float top =
        float(y0) + BarHeight() + float(std::max(1, Pixel(float(height) * 0.03f * TextGapScale())));
    const Rgba fg = ForegroundColor();
    const DigitPen pen{digit_width, float(x0) + 0.3f * digit_width, bars_end + 0.7f * digit_width, false,
                       [&](const std::string& text, float x, bool centred) {
                           AddSvgText(x, top, text, font_size, fg, centred ? "middle" : "start");
                       }};
    PlaceDigits(digits, edge_x, margin, pen);
}
