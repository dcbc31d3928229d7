#include "core/barcode_base_1d.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>

#include <SDL.h>

#include "core/text.h"

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

int ClampToInt(int64_t v) { return int(std::clamp<int64_t>(v, -1000000000, 1000000000)); }

}  // namespace

BarcodeBase1D::BarcodeBase1D(std::string output_format) : BarcodeBase(std::move(output_format)) {
    EnsureSharedTextFont();
}

int BarcodeBase1D::TextFontSize(int height) const {
    const float factor = height < 50 ? 0.25f : height <= 200 ? 0.20f : 0.15f;
    return std::max(8, int(float(height) * factor * text_font_scale_));
}

int BarcodeBase1D::TextGap(int height) const {
    const float coefficient = height < 50 ? kSmallGapCoefficient : height <= 200 ? 0.05f : 0.07f;
    return std::max(2, int(float(height) * coefficient * text_gap_scale_));
}

void BarcodeBase1D::ComputeBarHeight(int height, int lines) {
    bar_height_ = float(height);
    if (show_text_) {
        const int font_size = TextFontSize(height);
        const int band = lines == 1 ? font_size : font_size * (lines + 2);
        bar_height_ = float(height - band - TextGap(height));
    }
    if (bar_height_ < 1.0f) bar_height_ = 1.0f;
}

float BarcodeBase1D::ModuleScale(int modules, int width) const {
    const float scale = float(width) / float(modules);
    return FitWidth() ? scale : std::max(1.0f, std::floor(scale));
}

float BarcodeBase1D::DrawBarsAt(const ModuleWidths& widths, float x0, float y0, float scale, float bar_height) {
    const Rgba fg = ForegroundColor();
    const float adjust_black = float(PxAdjustBlack());
    const float adjust_white = float(PxAdjustWhite());
    float x = x0;
    for (size_t i = 0; i < widths.size(); ++i) {
        const float base = std::max(1.0f, float(widths[i]) * scale);
        if (i % 2 == 0) {
            const float drawn = std::max(1.0f, adjust_black + base);
            FillRect(x, y0, drawn, bar_height, fg);
            x += drawn;
        } else {
            x += std::max(1.0f, adjust_white + base);
        }
    }
    return x;
}

int BarcodeBase1D::DrawBars(const ModuleWidths& widths, int x0, int y0, int width) {
    int modules = 0;
    for (int w : widths) modules += w;
    const float end = DrawBarsAt(widths, float(x0), float(y0), ModuleScale(modules, width), bar_height_);
    return int(std::min(end - float(x0), 1e9f));  // bounded: extreme pixel adjustments overflow an int
}

void BarcodeBase1D::DrawText(const std::string& text, int x0, int y0, int drawn_width, int height) {
    if (SharedTextFont() == nullptr || !show_text_ || text.empty()) return;
    const int font_size = TextFontSize(height);
    const int top = y0 + height - font_size;
    ScopedFont font(font_size);
    if (!font) return;
    const Rgba fg = ForegroundColor();
    // Glyph images are taller than the point size; keep them inside the drawing area.
    auto top_for = [&](int image_height) { return top + image_height > y0 + height ? y0 + height - image_height : top; };

    if (!text_even_spacing_) {
        TextImage image(font.get(), text, fg);
        if (image) image.CopyTo(Renderer(), x0 + (drawn_width - image.Width()) / 2, top_for(image.Height()));
        return;
    }
    const TextSpacing spacing = EvenSpacing(text.size(), x0, drawn_width, font_size, text_margin_scale_);
    for (size_t i = 0; i < text.size(); ++i) {
        TextImage image(font.get(), std::string(1, text[i]), fg);
        if (!image) {
            std::fprintf(stderr, "TTF_RenderUTF8_Blended error: %s\n", SDL_GetError());
            continue;
        }
        const int centre = ClampToInt(spacing.Centre(i));
        if (!image.CopyTo(Renderer(), centre - image.Width() / 2, top_for(image.Height())))
            std::fprintf(stderr, "SDL_CreateTextureFromSurface error: %s\n", SDL_GetError());
    }
}

void BarcodeBase1D::AddSvgText(float x, float y, const std::string& text, int font_size, Rgba colour,
                               const char* anchor) {
    svg_.Text(x, y, text, font_size, colour, anchor);
}

void BarcodeBase1D::DrawSvgText(const std::string& text, int x0, int y0, int drawn_width, int height) {
    if (!show_text_ || text.empty()) return;
    const int font_size = TextFontSize(height);
    const float top = float(y0 + height - font_size);
    const Rgba fg = ForegroundColor();
    if (!text_even_spacing_) {
        AddSvgText(float(x0 + drawn_width / 2), top, text, font_size, fg, "middle");
        return;
    }
    const TextSpacing spacing = EvenSpacing(text.size(), x0, drawn_width, font_size, text_margin_scale_);
    for (size_t i = 0; i < text.size(); ++i)
        AddSvgText(float(spacing.Centre(i)), top, std::string(1, text[i]), font_size, fg, "middle");
}

void BarcodeBase1D::DrawHumanText(const std::string& text, int x0, int y0, int drawn_width, int height) {
    if (IsSvgMode()) {
        DrawSvgText(text, x0, y0, drawn_width, height);
    } else {
        DrawText(text, x0, y0, drawn_width, height);
    }
}

void BarcodeBase1D::ReportError(const char* tag, const char* message) {
    std::fprintf(stderr, "%s %s\n", tag, message);
    std::fflush(stderr);
}

bool BarcodeBase1D::RunDraw(const char* tag, int width, int height,
                            const std::function<void()>& encode, const std::function<void()>& paint) {
    const bool svg = IsSvgMode();
    if (!svg && (!PrepareCanvas(width, height) || !HasCanvas())) return false;
    try {
        encode();
        if (svg) {
            svg_.Begin(width, height);
            svg_.Rect(0, 0, width, height, BackgroundColor());
        }
        paint();
    } catch (const std::exception& e) {
        ReportError(tag, e.what());
        return false;
    }
    if (svg) {
        svg_.End();
    } else {
        PresentCanvas();
    }
    return true;
}

bool BarcodeBase1D::DrawStandard(const char* tag, int x0, int y0, int width, int height,
                                 const std::function<ModuleWidths()>& encode,
                                 const std::function<std::string()>& text) {
    ModuleWidths widths;
    return RunDraw(
        tag, width, height,
        [&] {
            ComputeBarHeight(height, 1);
            widths = encode();
        },
        [&] {
            const int drawn_width = DrawBars(widths, x0, y0, width);
            DrawHumanText(text(), x0, y0, drawn_width, height);
        });
}
