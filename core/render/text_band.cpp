#include "core/render/text_band.h"

#include <algorithm>
#include <cmath>

#include "core/raster/pixel_rounding.h"
#include "core/text_encoding/utf8.h"

namespace {

// UPC's two outside digits and captions above the bars, relative to the main digits, but no
// smaller than this many pixels (or the main digits, when they are smaller still).
constexpr double kSmallTextScale = 0.75;
constexpr double kSmallTextMinPixels = 5.0;

// Pens on a grid of the enlargement, so that enlarged pixels of every glyph line up.
int Snap(double v, int step) { return step * RoundPixels(v / step); }

// One span's glyphs on a baseline of 0, pens relative to the symbol's left edge. Digits each on
// their own centre (spread spans) or the string centred as a whole; within a string a glyph that
// would touch the one before it moves right until a light pixel parts them.
std::vector<PlacedGlyph> PlaceSpan(const TextSpan& span, const TextStyle& style, int module_pixels) {
    std::vector<PlacedGlyph> glyphs;
    const std::u32string text = Utf8CodePoints(span.text);
    if (text.empty()) return glyphs;
    // Enlarged glyphs are drawn with digits a whole number of pixels tall, as hinting draws them;
    // `em` is the size they come out at, which SVG output draws too.
    const int step = style.enlarge.whole;
    const std::shared_ptr<const GlyphFont> font = style.FontOf(span);
    const double per_em = font->DigitHeightPerEm();
    double base_em = style.EmPixels(span);
    if (step > 1) base_em = std::max(1.0, std::round(base_em * per_em / step)) / per_em;
    const double em = base_em * step;
    std::vector<std::shared_ptr<const GlyphImage>> images;
    double advance = 0.0;
    for (char32_t c : text) {
        images.push_back(font->Glyph(c, base_em, style.antialias, style.enlarge));
        advance += images.back()->advance;
    }
    const double centre = span.center_x * module_pixels;
    if (span.spread_width > 0.0) {
        const double slot = span.spread_width * module_pixels / double(text.size());
        for (size_t i = 0; i < text.size(); ++i) {
            const double mid = centre - span.spread_width * module_pixels / 2.0 + (double(i) + 0.5) * slot;
            glyphs.push_back({text[i], Snap(mid - images[i]->advance / 2.0, step), 0, em, images[i], font});
        }
        return glyphs;
    }
    double pen = centre - advance / 2.0;
    int shift = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        PlacedGlyph g{text[i], Snap(pen, step) + shift, 0, em, images[i], font};
        if (!glyphs.empty() && g.image->width > 0) {
            const PlacedGlyph& before = glyphs.back();
            const long gap = (long(g.pen_x) + g.image->left) - (long(before.pen_x) + before.image->left + before.image->width);
            if (before.image->width > 0 && gap < 1) {
                const int move = int((1 - gap + step - 1) / step * step);  // staying on the grid
                shift += move;
                g.pen_x += move;
            }
        }
        glyphs.push_back(g);
        pen += images[i]->advance;
    }
    return glyphs;
}

}  // namespace

// The text that is drawn, with the roles that decide where and how large.
std::vector<TextSpan> SpansToDraw(const EncodedSymbol& symbol, const RenderOptions& o) {
    std::vector<TextSpan> spans;
    if (!o.show_text) return spans;
    for (const TextSpan& span : symbol.text) {
        if (span.role == TextRole::Marker && !o.light_margin_indicators) continue;
        if (o.replace_text && (span.role == TextRole::Main || span.role == TextRole::Outer)) continue;
        spans.push_back(span);
    }
    if (o.replace_text && !o.text.empty()) {
        TextSpan line;
        line.text = o.text;
        line.center_x = symbol.width / 2.0;
        line.below_row = int(symbol.rows.size()) - 1;
        spans.push_back(line);
    }
    return spans;
}

bool SmallOuterDigits(const std::vector<TextSpan>& spans, int width) {
    bool left = false, right = false;
    for (const TextSpan& s : spans) {
        if (s.role != TextRole::Outer) continue;
        left |= s.center_x < width / 2.0;
        right |= s.center_x >= width / 2.0;
    }
    return left && right;
}

std::shared_ptr<const GlyphFont> TextStyle::FontOf(const TextSpan& span) const {
    if (callers_font || !span.face.has_value()) return font;
    return GlyphFont::Open(*span.face == TextFace::OcrB ? "ocr-b" : "roboto");
}

double TextStyle::EmPixels(const TextSpan& span) const {
    const bool small = span.role == TextRole::Caption || (span.role == TextRole::Outer && small_outer);
    const double pixels = small ? std::max(digit_pixels * kSmallTextScale, std::min<double>(digit_pixels, kSmallTextMinPixels))
                                : digit_pixels;
    return pixels / FontOf(span)->DigitHeightPerEm();
}

void TextBand::Place(int top, int gap, bool below_bars) {
    const int baseline = top + ascent + (below_bars ? gap : 0);
    for (PlacedGlyph& g : glyphs) g.baseline = baseline;
}

TextBand MakeBand(const std::vector<const TextSpan*>& spans, const TextStyle& style, int module_pixels) {
    TextBand band;
    for (const TextSpan* span : spans)
        for (PlacedGlyph& g : PlaceSpan(*span, style, module_pixels)) {
            if (g.image->height > 0) {
                band.ascent = std::max(band.ascent, g.image->top);
                band.descent = std::max(band.descent, g.image->height - g.image->top);
            }
            band.glyphs.push_back(g);
        }
    return band;
}

