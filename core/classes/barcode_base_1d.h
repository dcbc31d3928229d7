#pragma once
#include <functional>
#include <string>
#include <utility>

#include "core/render/bar_walk.h"
#include "core/classes/barcode_base.h"
#include "core/model/module_widths.h"

// What the encode step of a linear draw hands the frame: the symbol area's width and its pixels
// per module (which size the quiet zone).
struct LinearGeometry {
    int width = 0;
    double module_pixels = 1.0;
    LightSides light;  // light margins inside the area that count as quiet zone
};

// Base of every linear symbology: text settings, the bar-height rule, the bar pass, the
// human-readable text layout and the draw frame. A plain class declares its tag, encoder and text;
// classes with a layout of their own override PaintSymbol.
class BarcodeBase1D : public BarcodeBase {
public:
    explicit BarcodeBase1D(std::string output_format);

    bool Draw(const std::string& code, int x, int y, int width, int height) override;
    bool DrawSvg(const std::string& code, int x, int y, int width, int height) override;

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
    float BarHeightFor(int height, int lines) const;
    void ComputeBarHeight(int height, int lines);

    std::pair<int, int> SymbolSize(const std::string& code) override;
    // The smallest drawing height whose bars are at least `bars` pixels tall with the current text
    // settings (bars and text share the height a draw is given).
    int HeightForBars(int bars) const;

protected:
    // Bar height of a drawing `height` pixels high (the usual one-row rule unless a layout differs).
    virtual float BarsOfHeight(int height) const;
    virtual const char* Tag() const = 0;
    // The bar and space widths of the code; throws std::exception for data the symbology refuses.
    virtual ModuleWidths EncodeBars(const std::string& /*code*/) { return {}; }
    virtual std::string HumanText(const std::string& code) const { return code; }
    // The whole draw of one code; the usual single-row layout unless a class has its own.
    virtual bool PaintSymbol(const std::string& code, int x, int y, int width, int height);

    // The frame every linear draw shares. Raster: the canvas size is checked first (unless the
    // module size decides it), then encode(), then a fresh canvas with the quiet zone and paint().
    // SVG: encode() first (a failure keeps the previous document), then the document with its
    // background rectangle and paint(). A std::exception from either is reported as
    // "<tag> <message>" and the draw returns false.
    bool RunDraw(const char* tag, int width, int height, const std::function<LinearGeometry()>& encode,
                 const std::function<void(Painter&)>& paint);

    // Pixels per module for a symbol of `modules` modules in `width` pixels (whole unless fit width).
    float ModuleScale(int modules, int width) const;
    // The symbol area of `modules` modules: `width` wide (or what they need at the fixed module
    // size), with its module scale.
    LinearGeometry SpreadModules(int modules, int width) const;
    // Whether this painter's bars are whole pixels each (the usual walk keeps fractions).
    virtual bool WholePixelBars(const Painter&) const { return false; }
    // The bar walk settings of this object at a module scale.
    BarWalk Walk(float scale) const;
    // Bars from (x0, y0), `bar_height` tall; returns the x after the last element.
    double DrawBarsAt(Painter& painter, const ModuleWidths& widths, double x0, float y0, float scale,
                      float bar_height) const;
    // Bar pass of the whole list over `width` pixels at the current bar height; returns Wt.
    int DrawBars(Painter& painter, const ModuleWidths& widths, int x0, int y0, int width) const;
    // Human-readable text under a symbol of drawn width Wt.
    void DrawHumanText(Painter& painter, const std::string& text, int x0, int y0, int drawn_width, int height) const;

    float bar_height_ = 0.0f;

private:
    bool show_text_ = true;
    float text_font_scale_ = 1.0f;
    float text_margin_scale_ = 1.0f;
    float text_gap_scale_ = 1.0f;
    bool text_even_spacing_ = true;
};

int ModuleCount(const ModuleWidths& widths);
// A pixel length computed from user-set scales, truncated to an int: bounded, and 0 for NaN, since
// converting an out-of-range float to an int is undefined.
int ScaledPixels(float value);
