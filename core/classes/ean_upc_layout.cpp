#include "core/classes/ean_upc_layout.h"

#include <algorithm>
#include <cmath>

#include "core/render/text.h"

namespace {

// A length derived from user-set scales, kept within [0, limit]; NaN and negatives give 0.
float Bounded(float value, float limit) { return value > 0.0f ? std::min(value, limit) : 0.0f; }

// A pixel coordinate as an int, saturated so that extreme settings cannot overflow later arithmetic.
int Pixel(float value) {
    constexpr float kLimit = 1 << 30;
    return value > -kLimit ? int(std::min(value, kLimit)) : -int(kLimit);
}

}  // namespace

// How the digits of one draw are placed: measured glyph images or estimated vector text.
struct EanUpcBarcode::DigitPen {
    float digit_width;
    float leading_x;    // left edge of the leading digit
    float trailing_x;   // left edge of the trailing digit
    bool whole_pixels;  // group bounds snap to pixels
    float top;
    int font_size;
};

float EanUpcBarcode::ExtendedMargin(int width, int height) const {
    if (!ShowText()) return 0.0f;
    const float t = float(height) * 0.2f * TextFontScale();
    // At a fixed module size the width follows from the margin, so nothing bounds it but sanity.
    const float limit = ModuleSize() > 0 ? float(1 << 30) : float(width);
    // Whole pixels in every output, so that the bars start on a pixel edge and render sharp.
    return std::floor(Bounded(t * symbology_.margin_factor, limit));
}

bool EanUpcBarcode::PaintSymbol(const std::string& code, int x0, int y0, int width, int height) {
    std::string digits;
    ModuleWidths widths;
    int area_width = width;
    float margin = 0.0f, scale = 1.0f;
    return RunDraw(
        symbology_.tag, width, height,
        [&] {
            ComputeBarHeight(height, 1);
            digits = symbology_.complete(code);
            widths = symbology_.encode(digits);
            const int modules = ModuleCount(widths);
            if (!extended_guard_) {
                const LinearGeometry geometry = SpreadModules(modules, width);
                area_width = geometry.width;
                return geometry;
            }
            margin = ExtendedMargin(width, height);
            const float sides = symbology_.right_margin ? 2.0f : 1.0f;
            if (ModuleSize() > 0) area_width = int(margin * sides) + modules * ModuleSize();
            scale = (float(area_width) - margin * sides) / float(modules);
            if (!FitWidth()) scale = std::max(1.0f, std::floor(scale));
            LinearGeometry geometry;
            geometry.width = area_width;
            geometry.module_pixels = scale;
            // The digits outside the bars stand in the quiet zone, so their margins count towards it.
            geometry.light.left = int(margin);
            geometry.light.right = symbology_.right_margin ? int(margin) : 0;
            return geometry;
        },
        [&](Painter& painter) {
            if (extended_guard_) {
                PaintExtended(painter, widths, digits, margin, scale, x0, y0, height);
                return;
            }
            const int drawn_width = DrawBars(painter, widths, x0, y0, area_width);
            DrawHumanText(painter, digits, x0, y0, drawn_width, height);
        });
}

void EanUpcBarcode::PaintExtended(Painter& painter, const ModuleWidths& widths, const std::string& digits,
                                  float margin, float scale, int x0, int y0, int height) {
    const bool vector = painter.Vector();
    // Raster keeps heights on whole pixels so every bar edge lands on one.
    auto snap = [vector](float v) { return vector ? v : std::floor(v); };
    const float t = float(height) * 0.2f * TextFontScale();

    const float bar = snap(BarHeight());
    const float guard = ShowText() ? bar + snap(Bounded(t * symbology_.guard_factor, float(height)))
                                   : snap(bar * 1.05f);
    float edge_x[4];
    int passed = 0;  // zone edges passed; an even count means a tall zone
    const double end = WalkBars(painter, widths, double(float(x0) + margin), float(y0), Walk(scale),
                                ForegroundColor(), [&](size_t, int module, float x) {
                                    while (passed < 4 && module >= symbology_.zone_edges[passed])
                                        edge_x[passed++] = x;
                                    return passed % 2 == 0 ? guard : bar;
                                });
    const float x = float(end);
    while (passed < 4) edge_x[passed++] = x;

    if (!ShowText()) return;
    if (vector) {
        PlaceVectorDigits(painter, digits, edge_x, margin, x, x0, y0, height);
    } else {
        PlaceRasterDigits(painter, digits, edge_x, margin, x, x0, y0, height);
    }
}

void EanUpcBarcode::PlaceDigits(Painter& painter, const std::string& digits, const float edge_x[4], float margin,
                                const DigitPen& pen) const {
    const Rgba fg = ForegroundColor();
    const auto put = [&](const std::string& text, float x, bool centred) {
        TextPlacement at;
        at.x = pen.whole_pixels ? std::floor(x) : x;
        at.top = pen.top;
        at.anchor = centred ? TextAnchor::Middle : TextAnchor::Start;
        painter.Text(text, at, pen.font_size, fg);
    };
    if (symbology_.leading_digit) put(digits.substr(0, 1), pen.leading_x, false);
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
            put(text, a + (b - a) * 0.5f, true);
            continue;
        }
        const float step = avail / float(group.count - 1);
        for (int j = 0; j < group.count; ++j) put(text.substr(j, 1), a + pen.digit_width + step * float(j), true);
    }
    if (symbology_.trailing_digit) put(digits.substr(digits.size() - 1), pen.trailing_x, false);
}

void EanUpcBarcode::PlaceRasterDigits(Painter& painter, const std::string& digits, const float edge_x[4],
                                      float margin, float bars_end, int x0, int y0, int height) const {
    const int font_size = TextFontSize(height);
    if (!painter.PrepareText(font_size)) return;
    const auto zero = MeasureText(font_size, "0");
    const int digit_width = zero ? zero->width : font_size / 2;
    float top = float(y0) + std::floor(BarHeight());
    if (symbology_.raster_text_below_gap) top += float(std::max(1, Pixel(float(height) * 0.03f * TextGapScale())));
    DigitPen pen;
    pen.digit_width = float(digit_width);
    pen.leading_x = float(x0);
    pen.trailing_x = bars_end + margin - float(digit_width);
    pen.whole_pixels = true;
    pen.top = float(Pixel(top));
    pen.font_size = font_size;
    PlaceDigits(painter, digits, edge_x, margin, pen);
}

void EanUpcBarcode::PlaceVectorDigits(Painter& painter, const std::string& digits, const float edge_x[4],
                                      float margin, float bars_end, int x0, int y0, int height) const {
    // Vector text has no font metrics to measure, so a digit is estimated at 0.6 of the font size.
    const int font_size = std::max(8, Pixel(float(TextFontSize(height)) * 0.8f));
    const float digit_width = 0.6f * float(font_size);
    DigitPen pen;
    pen.digit_width = digit_width;
    pen.leading_x = float(x0) + 0.3f * digit_width;
    pen.trailing_x = bars_end + 0.7f * digit_width;
    pen.whole_pixels = false;
    pen.top = float(y0) + BarHeight() + float(std::max(1, Pixel(float(height) * 0.03f * TextGapScale())));
    pen.font_size = font_size;
    PlaceDigits(painter, digits, edge_x, margin, pen);
}
