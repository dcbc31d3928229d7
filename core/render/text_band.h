#pragma once
#include <memory>
#include <vector>

#include "core/model/encoded_symbol.h"
#include "core/render/glyph_font.h"
#include "core/render/render.h"
#include "core/render/symbol_layout.h"

// Human-readable text as bands of placed glyphs: which spans are drawn, how large, and where each
// glyph's pen stands. Pens are relative to the symbol's left edge until the layout adds the margin.

// The spans drawn under the options: markers only when asked, a replacement line instead of the
// symbol's own digits.
std::vector<TextSpan> SpansToDraw(const EncodedSymbol& symbol, const RenderOptions& options);

struct TextStyle {
    std::shared_ptr<const GlyphFont> font;  // the symbol's face, or the caller's font
    bool callers_font = false;              // the caller chose `font`: it prints every span
    int digit_pixels = 0;  // height of the digits' ink
    int gap_pixels = 0;    // light between the bars and the ink
    bool small_outer = false;
    bool antialias = false;
    // One-bit glyphs drawn smaller and enlarged: rows of text then repeat in the image, as the
    // bars' rows do, and compress to little.
    Enlargement enlarge;
    std::shared_ptr<const GlyphFont> FontOf(const TextSpan& span) const;
    double EmPixels(const TextSpan& span) const;
};

// Outer digits print smaller where they stand both sides of the bars (UPC); a lone leading digit
// (EAN-13) keeps the size of the others.
bool SmallOuterDigits(const std::vector<TextSpan>& spans, int width);

// The glyphs of one band of text and the band's height: the gap on the bars' side, then the ink.
// The band ends at its ink, as the standards measure a symbol's height (EAN-13 at X 0.33 mm:
// 22.85 mm of bars, 0.33 mm of gap, 2.75 mm of digits, 25.93 mm in all); a quiet zone adds light.
struct TextBand {
    std::vector<PlacedGlyph> glyphs;
    int ascent = 0;  // baseline below the ink's top
    int descent = 0;
    int Height(int gap) const { return glyphs.empty() ? 0 : gap + ascent + descent; }
    // Puts the baseline in place for a band whose top is at `top`, below the bars or above them.
    void Place(int top, int gap, bool below_bars);
};

TextBand MakeBand(const std::vector<const TextSpan*>& spans, const TextStyle& style, int module_pixels);
