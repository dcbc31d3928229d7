#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/model/encoded_symbol.h"
#include "core/raster/color.h"

// The render step: an encoded symbol in, one output out. It owns all geometry: the module grid,
// quiet zones, bar height, text layout, rotation. A symbol encoded once renders to every kind.

enum class OutputKind { Png, Jpeg, Svg, Pdf, Eps, Zpl };
enum class TextPosition { Below, Above };

// Sizes in modules become whole pixels at `module_pixels`; SVG draws the same layout with modules
// as user units. Text that reaches past the quiet zone (a wide line, an outside digit) widens
// that side's margin rather than being cut off.
struct RenderOptions {
    int module_pixels = 2;         // whole pixels per module, 1 to 10000 (raster, and SVG user units)
    double module_mm = 0.0;        // > 0: SVG width and height in exact millimetres at this X
    int dpi = 0;                   // recorded in PNG/JPEG; SVG sizes become mm when set
    ModuleMargins quiet_zone;      // in modules, used as given (callers pass the symbol's or more)
    double bar_height = 0.0;       // modules; 0 for the symbol's default
    int bar_height_pixels = 0;     // > 0: the bar height in whole pixels (takes precedence)
    bool show_text = true;
    std::string text;              // replacement for the main text line; empty keeps the symbol's
    bool replace_text = false;
    std::string font;              // "" (the symbol's face), "ocr-b", "roboto", or a font file path
    // > 0: cap height of the digits in mm (needs dpi or module_mm), drawn at that size or refused;
    // 0: in proportion to the module (OCR-B 8.33 X, Roboto 6 X), smaller where the text would
    // touch the bars or itself, refused below 5 pixels.
    double text_size_mm = 0.0;
    double text_gap_mm = 0.0;      // > 0: gap between bars and text in mm; 0: one module
    TextPosition text_position = TextPosition::Below;
    // Smoothed glyph edges; off, text is whole pixels of the foreground and a two-colour symbol
    // stays a one-bit image (a fraction of the file). SVG draws outlines either way.
    bool text_antialias = false;
    bool light_margin_indicators = false;  // EAN/UPC '>' and '<'
    int rotate = 0;                // 0, 90, 180, 270 degrees clockwise
    double bar_width_reduction_pixels = 0.0;  // taken off every dark bar's width
    Rgba foreground{0, 0, 0, 255};
    Rgba background{255, 255, 255, 255};
    bool cmyk = false;             // PDF and EPS colours as DeviceCMYK (black on the black plate only)
    long long max_pixels = 100'000'000;  // refused above this, before any memory is taken
};

struct RenderResult {
    std::vector<uint8_t> bytes;  // PNG, JPEG, PDF or EPS, the SVG document as UTF-8, or a ZPL ^GFA field
    int width = 0;               // pixels (SVG: its size at module_pixels, as RenderedSize says)
    int height = 0;
};

struct SymbolLayout;

// A symbol laid out once for one set of options: its size is known before anything is drawn, and
// every output drawn from it reuses that layout (fitting the text is most of a layout's cost).
// Immutable: any number of threads draw from one at once.
class LaidOutSymbol {
public:
    // Throws EncodeError (TooLarge, InvalidOption) for settings it cannot honour.
    LaidOutSymbol(const EncodedSymbol& symbol, const RenderOptions& options);
    // The output's size in pixels, after rotation.
    std::pair<int, int> Size() const;
    // Throws EncodeError (TooLarge) for an image over max_pixels or the format's limits.
    RenderResult Render(OutputKind kind) const;

private:
    RenderOptions options_;
    std::shared_ptr<const SymbolLayout> layout_;
};

// One output of a symbol: LaidOutSymbol(symbol, options).Render(kind).
RenderResult Render(const EncodedSymbol& symbol, const RenderOptions& options, OutputKind kind);
// The output's size in pixels without drawing it (after rotation).
std::pair<int, int> RenderedSize(const EncodedSymbol& symbol, const RenderOptions& options);
