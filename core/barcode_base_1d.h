#pragma once
#include <functional>
#include <string>

#include "core/barcode_base.h"
#include "core/module_widths.h"

// Base of every linear symbology: text settings, the bar-height rule, the bar pass and the
// human-readable text layout, shared by the raster and the SVG paths.
class BarcodeBase1D : public BarcodeBase {
public:
    explicit BarcodeBase1D(std::string output_format);

    void SetShowText(bool show) { show_text_ = show; }
    void SetTextFontScale(float scale) { text_font_scale_ = scale; }
    void SetTextGapScale(float scale) { text_gap_scale_ = scale; }
    void SetTextEvenSpacing(bool even) { text_even_spacing_ = even; }

    bool ShowText() const { return show_text_; }
    float TextFontScale() const { return text_font_scale_; }
    float TextMarginScale() const { return text_margin_scale_; }
    float TextGapScale() const { return text_gap_scale_; }
    bool TextEvenSpacing() const { return text_even_spacing_; }
    float BarHeight() const { return bar_height_; }

    // Font size F for a drawing of height H: 25/20/15 % of H by height band, scaled, at least 8.
    int TextFontSize(int height) const;
    // Gap between bars and text: max(2, int(H x 3/5/7 % x gap scale)).
    int TextGap(int height) const;
    // Bar height := H less the text band and the gap (when text is shown), at least 1.
    void ComputeBarHeight(int height, int lines);

    // Human-readable text under a symbol of drawn width Wt, raster or SVG.
    void DrawText(const std::string& text, int x0, int y0, int drawn_width, int height);
    void DrawSvgText(const std::string& text, int x0, int y0, int drawn_width, int height);
    void AddSvgText(float x, float y, const std::string& text, int font_size, Rgba colour, const char* anchor);

protected:
    // The frame every linear draw shares. Raster: a fresh canvas cleared with the background, then
    // encode(), paint(), present. SVG: encode() first (a failure keeps the previous document), then
    // the document with its background rectangle, paint(), end tag. A std::exception from encode()
    // or paint() is printed as "<tag> <message>" on stderr and the draw returns false.
    bool RunDraw(const char* tag, int width, int height,
                 const std::function<void()>& encode, const std::function<void()>& paint);

    // The usual single-row draw: bars at the bar height for one text line, then `text` under them.
    bool DrawStandard(const char* tag, int x0, int y0, int width, int height,
                      const std::function<ModuleWidths()>& encode, const std::function<std::string()>& text);

    // Pixels per module for a symbol of `modules` modules in `width` pixels (whole unless fit width).
    float ModuleScale(int modules, int width) const;
    // Bar pass at the given module scale: bars from y0, `bar_height` tall, in the current mode.
    // Returns the x after the last element.
    float DrawBarsAt(const ModuleWidths& widths, float x0, float y0, float scale, float bar_height);
    // Bar pass of the whole list over `width` pixels at the current bar height; returns Wt.
    int DrawBars(const ModuleWidths& widths, int x0, int y0, int width);
    // Text in the current mode (DrawText or DrawSvgText).
    void DrawHumanText(const std::string& text, int x0, int y0, int drawn_width, int height);
    // Writes "<tag> <message>\n" to standard error.
    static void ReportError(const char* tag, const char* message);

    float bar_height_ = 0.0f;

private:
    bool show_text_ = true;
    float text_font_scale_ = 1.0f;
    float text_margin_scale_ = 1.0f;
    float text_gap_scale_ = 1.0f;
    bool text_even_spacing_ = true;
};
