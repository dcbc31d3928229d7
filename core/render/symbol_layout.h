#pragma once
#include <memory>
#include <vector>

#include "core/model/encoded_symbol.h"
#include "core/render/glyph_font.h"
#include "core/render/render.h"

// The geometry of one rendered symbol in pixels, before rotation: every dark area as a rectangle
// and every glyph with its pen position, so that raster and SVG output draw the same thing.

struct DarkRect {
    double x = 0.0;
    double y = 0.0;
    double w = 0.0;
    double h = 0.0;
};

struct PlacedGlyph {
    char32_t code_point = 0;
    int pen_x = 0;     // the glyph's origin on the baseline, in whole pixels
    int baseline = 0;
    double em_pixels = 0.0;
    std::shared_ptr<const GlyphImage> image;  // ink box relative to the pen
    std::shared_ptr<const GlyphFont> font;    // the face the glyph comes from
};

struct SymbolLayout {
    int width = 0;   // pixels
    int height = 0;
    int module_pixels = 1;
    std::vector<DarkRect> dark;
    std::vector<PlacedGlyph> glyphs;
};

// Throws EncodeError (InvalidOption, TooLarge) for settings it cannot honour.
SymbolLayout LayOutSymbol(const EncodedSymbol& symbol, const RenderOptions& options);
