#include "core/render/symbol_layout.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <string>

#include "core/model/encode_error.h"
#include "core/raster/pixel_rounding.h"
#include "core/render/render_limits.h"
#include "core/render/text_band.h"

namespace {

// Nominal digit heights in X: 2.75 mm at X 0.33 mm for OCR-B under EAN/UPC symbols; other
// symbols' text smaller, 5 X as zint prints it, so that a line of it stays narrower than its bars.
constexpr double kOcrbDigitHeight = 8.33;
constexpr double kRobotoDigitHeight = 5.0;
// Below this many pixels a digit is no longer legible: the text is refused rather than smudged.
constexpr int kMinDigitPixels = 5;
// One-bit text is enlarged by no more than a tenth of its height (by whole pixels, or rows by
// one and a half): too small to see in print, and its rows repeat.
constexpr int kDigitPixelsPerEnlargement = 10;
// No side of a drawing reaches this many pixels (nor, in SVG, this many module pixels).
constexpr double kMaxExtent = 1e9;

[[noreturn]] void Invalid(const std::string& message) { throw EncodeError(EncodeErrorKind::InvalidOption, message); }

bool Finite(double v) { return std::isfinite(v); }

void CheckSymbol(const EncodedSymbol& symbol) {
    if (symbol.width <= 0 || symbol.rows.empty()) Invalid("the symbol has no modules to draw");
    for (const SymbolRow& row : symbol.rows) {
        if (row.modules.size() != size_t(symbol.width) || (!row.extends.empty() && row.extends.size() != row.modules.size()))
            Invalid("a row of the symbol is not as wide as the symbol");
        if (!(Finite(row.height) && row.height >= 0.0)) Invalid("a row of the symbol has no valid height");
    }
    for (double v : {symbol.bar_height, symbol.guard_descent, symbol.bearer.thickness})
        if (!(Finite(v) && v >= 0.0 && v < 1e6)) Invalid("the symbol's heights must be finite, non-negative numbers");
}

// The drawing's extent from the modules and margins alone, refused before anything is laid out
// when it could not be drawn (text adds a little, checked again once placed).
void CheckExtent(const EncodedSymbol& symbol, const RenderOptions& o) {
    double height = o.quiet_zone.top + o.quiet_zone.bottom + symbol.guard_descent + 2 * symbol.bearer.thickness;
    for (const SymbolRow& row : symbol.rows) height += row.height;
    const double bar = o.bar_height_pixels > 0 ? double(o.bar_height_pixels) / o.module_pixels
                                               : (o.bar_height > 0.0 ? o.bar_height : symbol.bar_height);
    height += bar;
    const double width = o.quiet_zone.left + o.quiet_zone.right + symbol.width + 2 * symbol.bearer.thickness;
    if (!(std::max(width, height) * o.module_pixels < kMaxExtent))
        throw EncodeError(EncodeErrorKind::TooLarge, "the drawing would be over " + std::to_string(long(kMaxExtent)) +
                                                         " pixels across");
}

void CheckOptions(const RenderOptions& o) {
    if (o.module_pixels < 1 || o.module_pixels > kMaxModulePixels)
        Invalid("module_pixels must be 1 to " + std::to_string(kMaxModulePixels) + ", not " +
                std::to_string(o.module_pixels));
    const ModuleMargins& q = o.quiet_zone;
    for (double v : {q.left, q.top, q.right, q.bottom, o.bar_height, o.module_mm, o.text_size_mm, o.text_gap_mm,
                     o.bar_width_reduction_pixels})
        if (!(Finite(v) && v >= 0.0 && v <= kMaxMarginModules))
            Invalid("sizes and margins must be finite, non-negative numbers");
    if (o.bar_height_pixels < 0 || o.dpi < 0) Invalid("bar_height_pixels and dpi must not be negative");
    if (std::find(std::begin(kRotations), std::end(kRotations), o.rotate) == std::end(kRotations))
        Invalid("rotate must be 0, 90, 180 or 270, not " + std::to_string(o.rotate));
}

// Pixels per millimetre for the settings given in millimetres.
double PixelsPerMm(const RenderOptions& o) {
    if (o.module_mm > 0.0) return o.module_pixels / o.module_mm;
    if (o.dpi > 0) return o.dpi / 25.4;
    Invalid("text sizes in millimetres need module_mm or dpi");
}

// The pixels whose centres lie in [begin, begin + length).
struct PixelSpan {
    long begin, end;
};
PixelSpan Covered(double begin, double length) {
    return {long(std::ceil(begin - 0.5)), long(std::ceil(begin + length - 0.5))};
}

struct Box {
    long left, top, right, bottom;  // [left, right) x [top, bottom)
    // True when the boxes overlap or meet with no light pixel between them.
    bool Touches(const Box& o) const {
        return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
    }
};

Box InkBox(const PlacedGlyph& g) {
    const long left = long(g.pen_x) + g.image->left, top = long(g.baseline) - g.image->top;
    return {left, top, left + g.image->width, top + g.image->height};
}

Box RectBox(const DarkRect& r) {
    const PixelSpan x = Covered(r.x, r.w), y = Covered(r.y, r.h);
    return {x.begin, y.begin, x.end, y.end};
}

// The dark runs of a row as rectangles from `top`, `height` tall, and `descent` more for modules
// that extend below the row; each run narrowed by `reduction` pixels, half from either side.
// True when some module extends.
bool AddRowBars(const SymbolRow& row, double top, double height, double descent, double reduction, int mp,
                std::vector<DarkRect>& dark) {
    const int width = int(row.modules.size());
    auto extends = [&](int m) { return !row.extends.empty() && row.extends[size_t(m)] != 0; };
    bool extended = false;
    for (int m = 0; m < width;) {
        if (!row.modules[size_t(m)]) {
            ++m;
            continue;
        }
        int end = m + 1;
        while (end < width && row.modules[size_t(end)] && extends(end) == extends(m)) ++end;
        dark.push_back({m * double(mp) + reduction / 2.0, top, (end - m) * double(mp) - reduction,
                        height + (extends(m) ? descent : 0.0)});
        extended |= extends(m);
        m = end;
    }
    return extended;
}

struct Attempt {
    SymbolLayout layout;
    bool text_touches = false;
};

// Lays the symbol out with digits `style.digit_pixels` tall (no text when style.font is null).
Attempt LayOut(const EncodedSymbol& symbol, const RenderOptions& o, const std::vector<TextSpan>& spans,
               const TextStyle& style) {
    const int mp = o.module_pixels;
    const size_t row_count = symbol.rows.size();
    Attempt attempt;
    SymbolLayout& out = attempt.layout;
    out.module_pixels = mp;

    // Bands of text: under each row, above the symbol (main text asked above, captions), above rows.
    std::vector<std::vector<const TextSpan*>> under(row_count);
    std::vector<const TextSpan*> above, captions;
    std::vector<std::vector<const TextSpan*>> over(row_count);  // add-on digits standing over a row
    for (const TextSpan& s : spans) {
        const size_t row = size_t(std::clamp(s.below_row, 0, int(row_count) - 1));
        if (s.role == TextRole::Caption) captions.push_back(&s);
        else if (s.role == TextRole::AddOn) over[row].push_back(&s);
        else if (o.text_position == TextPosition::Above) above.push_back(&s);
        else under[row].push_back(&s);
    }
    const int gap = style.gap_pixels;

    // Row heights: rows of height 0 share the bar height in whole pixels.
    int shared = 0;
    for (const SymbolRow& row : symbol.rows) shared += row.height == 0.0;
    const double bar_modules = o.bar_height > 0.0 ? o.bar_height : symbol.bar_height;
    const long long bar_pixels = o.bar_height_pixels > 0 ? o.bar_height_pixels : std::llround(bar_modules * mp);
    const double descent = symbol.guard_descent * mp;
    const int bearer = symbol.bearer.kind == BearerKind::None ? 0 : RoundPixels(symbol.bearer.thickness * mp);
    const int frame = symbol.bearer.kind == BearerKind::Frame ? bearer : 0;

    double y = RoundPixels(o.quiet_zone.top * mp);
    for (auto* band_spans : {&captions, &above}) {
        TextBand band = MakeBand(*band_spans, style, mp);
        band.Place(int(y), gap, false);
        y += band.Height(gap);
        out.glyphs.insert(out.glyphs.end(), band.glyphs.begin(), band.glyphs.end());
    }
    {
        TextBand band = MakeBand(over[0], style, mp);
        band.Place(int(y), gap, false);
        y += band.Height(gap);
        out.glyphs.insert(out.glyphs.end(), band.glyphs.begin(), band.glyphs.end());
    }
    // Digits standing over a lower row (an add-on's, over its shorter bars) need the rows above it
    // to be as tall as their band; where they are not, the image grows at the top to hold them.
    double rows_above = 0.0;
    for (size_t r = 1; r < row_count; ++r) {
        const SymbolRow& previous = symbol.rows[r - 1];
        rows_above += previous.height == 0.0 ? 0.0 : RoundPixels(previous.height * mp);
        if (previous.height == 0.0) break;  // bar rows are as tall as any band above them
        if (!over[r].empty()) y += std::max(0.0, MakeBand(over[r], style, mp).Height(gap) - rows_above);
    }
    const double bearer_top = y;
    y += bearer;
    double rows_bottom = y;
    // A row of n modules holds at most (n + 1) / 2 dark runs (n where extending modules split
    // runs): room for them all up front, where growing the list run by run cost a few per cent of
    // a small symbol's whole render.
    size_t most_runs = 4;  // the bearers
    for (const SymbolRow& row : symbol.rows)
        most_runs += row.extends.empty() ? (row.modules.size() + 1) / 2 : row.modules.size();
    out.dark.reserve(most_runs);
    int shared_index = 0;
    for (size_t r = 0; r < row_count; ++r) {
        const SymbolRow& row = symbol.rows[r];
        double height;
        if (row.height == 0.0) {
            height = double(bar_pixels * (shared_index + 1) / shared - bar_pixels * shared_index / shared);
            ++shared_index;
        } else {
            height = RoundPixels(row.height * mp);
        }
        if (r > 0 && !over[r].empty()) {
            TextBand band = MakeBand(over[r], style, mp);
            band.Place(int(y) - band.Height(gap), gap, false);
            out.glyphs.insert(out.glyphs.end(), band.glyphs.begin(), band.glyphs.end());
        }
        const bool extended = AddRowBars(row, y, height, descent, o.bar_width_reduction_pixels, mp, out.dark);
        y += height;
        rows_bottom = y;
        if (r + 1 == row_count) y += bearer;
        // Lines of the text band one under another, line 0 nearest the bars.
        int lines = 1;
        for (const TextSpan* span : under[r]) lines = std::max(lines, span->line + 1);
        double text_bottom = y;
        for (int line = 0; line < lines; ++line) {
            std::vector<const TextSpan*> of_line;
            for (const TextSpan* span : under[r])
                if (std::max(span->line, 0) == line) of_line.push_back(span);
            TextBand band = MakeBand(of_line, style, mp);
            band.Place(int(text_bottom), gap, true);
            out.glyphs.insert(out.glyphs.end(), band.glyphs.begin(), band.glyphs.end());
            text_bottom += band.Height(gap);
        }
        y = std::max(text_bottom, y + (extended ? std::ceil(descent) : 0.0));
    }

    // Margins: the quiet zone, or more where text reaches past it, with a pixel of light beyond
    // the ink so that no glyph touches the image's edge.
    long ink_left = 0, ink_right = long(symbol.width) * mp;
    for (const PlacedGlyph& g : out.glyphs) {
        if (g.image->width == 0) continue;
        const Box b = InkBox(g);
        ink_left = std::min(ink_left, b.left - 1);
        ink_right = std::max(ink_right, b.right + 1);
    }
    const long left = std::max<long>(RoundPixels(o.quiet_zone.left * mp), -ink_left) + frame;
    const long right = std::max<long>(RoundPixels(o.quiet_zone.right * mp), ink_right - long(symbol.width) * mp) + frame;
    const double total_width = double(left) + double(symbol.width) * mp + double(right);
    const double total_height = y + RoundPixels(o.quiet_zone.bottom * mp);
    if (total_width >= kMaxExtent || total_height >= kMaxExtent)
        throw EncodeError(EncodeErrorKind::TooLarge, "the drawing would be over " + std::to_string(long(kMaxExtent)) +
                                                         " pixels across");
    out.width = int(total_width);
    out.height = int(total_height);
    for (DarkRect& r : out.dark) {
        if (!(r.w > 0.0))
            Invalid("a bar width reduction of " + std::to_string(o.bar_width_reduction_pixels) +
                    " pixels leaves nothing of a bar " + std::to_string(mp) + " pixels wide");
        r.x += double(left);
    }
    for (PlacedGlyph& g : out.glyphs) g.pen_x += int(left);

    if (bearer > 0) {
        out.dark.push_back({0.0, bearer_top, double(out.width), double(bearer)});
        out.dark.push_back({0.0, rows_bottom, double(out.width), double(bearer)});
        if (frame > 0) {  // the sides between the bars: no two shapes overlap, however a renderer fills them
            const double top = bearer_top + bearer, h = rows_bottom - top;
            out.dark.push_back({0.0, top, double(frame), h});
            out.dark.push_back({double(out.width - frame), top, double(frame), h});
        }
    }

    // Text must stand clear of the bars and of other text by at least one light pixel. Every box
    // is worked out once: each glyph meets every bar.
    std::vector<Box> ink;
    for (const PlacedGlyph& g : out.glyphs)
        if (g.image->width > 0) ink.push_back(InkBox(g));
    if (ink.empty()) return attempt;
    std::vector<Box> bars;
    bars.reserve(out.dark.size());
    for (const DarkRect& r : out.dark) bars.push_back(RectBox(r));
    for (size_t i = 0; i < ink.size() && !attempt.text_touches; ++i) {
        for (size_t j = i + 1; j < ink.size() && !attempt.text_touches; ++j)
            attempt.text_touches = ink[i].Touches(ink[j]);
        for (size_t b = 0; b < bars.size() && !attempt.text_touches; ++b)
            attempt.text_touches = ink[i].Touches(bars[b]);
    }
    return attempt;
}

}  // namespace

SymbolLayout LayOutSymbol(const EncodedSymbol& symbol, const RenderOptions& options) {
    CheckOptions(options);
    CheckSymbol(symbol);
    CheckExtent(symbol, options);
    const std::vector<TextSpan> spans = SpansToDraw(symbol, options);
    TextStyle style;
    if (spans.empty()) return LayOut(symbol, options, spans, style).layout;

    const bool ocrb = symbol.face == TextFace::OcrB;
    style.font = GlyphFont::Open(!options.font.empty() ? options.font : ocrb ? "ocr-b" : "roboto");
    style.callers_font = !options.font.empty();
    style.small_outer = SmallOuterDigits(spans, symbol.width);
    style.antialias = options.text_antialias;
    const int mp = options.module_pixels;
    style.gap_pixels = options.text_gap_mm > 0.0 ? std::max(1, RoundPixels(options.text_gap_mm * PixelsPerMm(options)))
                                                 : std::max(1, mp);
    const bool asked = options.text_size_mm > 0.0;
    const int nominal = asked ? RoundPixels(options.text_size_mm * PixelsPerMm(options))
                              : RoundPixels((ocrb ? kOcrbDigitHeight : kRobotoDigitHeight) * mp);
    // The asked size or none; by default the largest size up to the nominal one at which the text
    // stands clear of the bars and of itself.
    const int smallest = asked ? nominal : kMinDigitPixels;
    // Steps of a sixteenth keep the search short at large sizes.
    for (int digit = nominal; digit >= smallest && digit >= 1; digit -= std::max(1, digit / 16)) {
        style.digit_pixels = digit;
        style.enlarge.whole = style.antialias ? 1 : std::max(1, digit / kDigitPixelsPerEnlargement);
        style.enlarge.rows_half_again =
            !style.antialias && style.enlarge.whole == 1 && 2 * digit >= 3 * kDigitPixelsPerEnlargement;
        Attempt attempt = LayOut(symbol, options, spans, style);
        if (!attempt.text_touches) return std::move(attempt.layout);
    }
    throw EncodeError(EncodeErrorKind::InvalidOption,
                      asked ? "text " + std::to_string(options.text_size_mm) +
                                  " mm high touches the bars or itself at this module size; choose a smaller "
                                  "text_size_mm or a larger module"
                            : "human-readable text cannot be drawn legibly at " + std::to_string(mp) +
                                  " pixels per module; use a larger module or turn the text off");
}
