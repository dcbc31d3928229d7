#include "core/classes/barcode_base_1d.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <numeric>

#include <SDL.h>

#include "core/render/text.h"

namespace {

// One step above the float nearest to 0.03 (bits 0x3CF5C290): the gap coefficient of low symbols.
constexpr float kSmallGapCoefficient = 0.030000001f;

// Where each character of a text of n bytes is centred when spacing is even. 64-bit, since a hostile
// pixel adjustment can make the drawn width as large as an int holds.
struct TextSpacing {
    int64_t first_centre;
    int64_t pitch;

    int64_t Centre(size_t i) const { return first_centre + pitch * int64_t(i); }
};

TextSpacing EvenSpacing(size_t n, int x0, int drawn_width, int font_size, float margin_scale) {
    const float coefficient = drawn_width < 100 ? 0.03f : drawn_width <= 400 ? 0.05f : 0.07f;
    const int64_t margin = int64_t(float(drawn_width) * coefficient * margin_scale);
    const int64_t available = drawn_width - 2 * margin;
    int64_t pitch = 0, span = 0;
    if (n >= 2) {
        pitch = std::max<int64_t>(font_size / 2, available / int64_t(n - 1));
        span = pitch * int64_t(n - 1);
    }
    return {x0 + (drawn_width - span) / 2, pitch};
}

float ClampToFloat(int64_t v) { return float(std::clamp<int64_t>(v, -1000000000, 1000000000)); }


}  // namespace

int ScaledPixels(float value) {
    if (!(value == value)) return 0;
    return int(std::clamp(value, -1e9f, 1e9f));
}

int ModuleCount(const ModuleWidths& widths) { return std::accumulate(widths.begin(), widths.end(), 0); }

BarcodeBase1D::BarcodeBase1D(std::string output_format) : BarcodeBase(std::move(output_format)) {
    EnsureSharedTextFont();
}

bool BarcodeBase1D::Draw(const std::string& code, int x, int y, int width, int height) {
    return PaintSymbol(code, x, y, width, height);
}

bool BarcodeBase1D::DrawSvg(const std::string& code, int x, int y, int width, int height) {
    return PaintSymbol(code, x, y, width, height);
}

std::pair<int, int> BarcodeBase1D::SymbolSize(const std::string& code) { return {ModuleCount(EncodeBars(code)), 1}; }

int BarcodeBase1D::TextFontSize(int height) const {
    const float factor = height < 50 ? 0.25f : height <= 200 ? 0.20f : 0.15f;
    return std::max(8, ScaledPixels(float(height) * factor * text_font_scale_));
}

int BarcodeBase1D::TextGap(int height) const {
    const float coefficient = height < 50 ? kSmallGapCoefficient : height <= 200 ? 0.05f : 0.07f;
    return std::max(2, ScaledPixels(float(height) * coefficient * text_gap_scale_));
}

float BarcodeBase1D::BarHeightFor(int height, int lines) const {
    float bars = float(height);
    if (show_text_) {
        const int font_size = TextFontSize(height);
        const int64_t band = lines == 1 ? font_size : int64_t(font_size) * (lines + 2);
        bars = float(int64_t(height) - band - TextGap(height));
    }
    return bars < 1.0f ? 1.0f : bars;
}

void BarcodeBase1D::ComputeBarHeight(int height, int lines) { bar_height_ = BarHeightFor(height, lines); }

float BarcodeBase1D::BarsOfHeight(int height) const { return BarHeightFor(height, 1); }

int BarcodeBase1D::HeightForBars(int bars) const {
    // The text band grows with the height in steps, so the rule is walked rather than inverted.
    int height = std::max(1, bars);
    while (height < (1 << 26) && BarsOfHeight(height) < float(bars)) ++height;
    return height;
}

float BarcodeBase1D::ModuleScale(int modules, int width) const {
    const float scale = float(width) / float(modules);
    return FitWidth() ? scale : std::max(1.0f, std::floor(scale));
}

LinearGeometry BarcodeBase1D::SpreadModules(int modules, int width) const {
    LinearGeometry geometry;
    geometry.width = ModuleSize() > 0 ? modules * ModuleSize() : width;
    geometry.module_pixels = ModuleScale(modules, geometry.width);
    return geometry;
}

BarWalk BarcodeBase1D::Walk(float scale) const {
    BarWalk walk;
    walk.scale = scale;
    walk.adjust_black = PxAdjustBlack();
    walk.adjust_white = PxAdjustWhite();
    return walk;
}

double BarcodeBase1D::DrawBarsAt(Painter& painter, const ModuleWidths& widths, double x0, float y0, float scale,
                                 float bar_height) const {
    BarWalk walk = Walk(scale);
    walk.whole_pixels = WholePixelBars(painter);
    return WalkBars(painter, widths, x0, y0, walk, ForegroundColor(),
                    [bar_height](size_t, int, float) { return bar_height; });
}

int BarcodeBase1D::DrawBars(Painter& painter, const ModuleWidths& widths, int x0, int y0, int width) const {
    const double end = DrawBarsAt(painter, widths, float(x0), float(y0), ModuleScale(ModuleCount(widths), width),
                                  bar_height_);
    return int(std::min(float(end) - float(x0), 1e9f));  // bounded: extreme pixel adjustments overflow an int
}

void BarcodeBase1D::DrawHumanText(Painter& painter, const std::string& text, int x0, int y0, int drawn_width,
                                  int height) const {
    if (!show_text_ || text.empty()) return;
    const int font_size = TextFontSize(height);
    if (!painter.PrepareText(font_size)) return;
    const Rgba fg = ForegroundColor();
    TextPlacement at;
    at.top = float(y0 + height - font_size);
    at.bottom = y0 + height;  // glyph images are taller than the point size; keep them inside
    if (!text_even_spacing_) {
        at.x = float(x0);
        at.box_width = drawn_width;
        painter.Text(text, at, font_size, fg);
        return;
    }
    const TextSpacing spacing = EvenSpacing(text.size(), x0, drawn_width, font_size, text_margin_scale_);
    for (size_t i = 0; i < text.size(); ++i) {
        at.x = ClampToFloat(spacing.Centre(i));
        if (!painter.Text(std::string(1, text[i]), at, font_size, fg))
            painter.Note(std::string("TTF_RenderUTF8_Blended error: ") + SDL_GetError());
    }
}

bool BarcodeBase1D::RunDraw(const char* tag, int width, int height, const std::function<LinearGeometry()>& encode,
                            const std::function<void(Painter&)>& paint) {
    ClearFailure();
    if (!IsSvgMode()) {
        canvas_width_ = width;
        canvas_height_ = height;
        if (!IsRasterMode() || (ModuleSize() == 0 && !CanvasSizeUsable(width, height))) {
            ReleaseCanvas();
            return false;
        }
    }
    try {
        const LinearGeometry geometry = encode();
        return PaintOutput(geometry.width, height, geometry.module_pixels, geometry.module_pixels, paint,
                           geometry.light);
    } catch (const std::exception& e) {
        ReportFailure(tag, e.what());
        return false;
    }
}

bool BarcodeBase1D::PaintSymbol(const std::string& code, int x0, int y0, int width, int height) {
    ModuleWidths widths;
    int area_width = width;
    return RunDraw(
        Tag(), width, height,
        [&] {
            ComputeBarHeight(height, 1);
            widths = EncodeBars(code);
            const LinearGeometry geometry = SpreadModules(ModuleCount(widths), width);
            area_width = geometry.width;
            return geometry;
        },
        [&](Painter& painter) {
            const int drawn_width = DrawBars(painter, widths, x0, y0, area_width);
            DrawHumanText(painter, HumanText(code), x0, y0, drawn_width, height);
        });
}
