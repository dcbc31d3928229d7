#include "core/render/svg_document.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>

#include "core/render/dark_rects.h"
#include "core/render/svg_number.h"
#include "core/render/svg_strokes.h"

namespace {

// Module edges land on pixel edges only at whole pixels per module; between them, antialiased
// edges of abutting lines leave light seams that readers take for spaces. Crisp edges snap them.
constexpr char kCrisp[] = " shape-rendering=\"crispEdges\"";

// A glyph's scale from font units: six significant digits keep a glyph within a thousandth of a
// module of where the raster output puts it.
std::string Scale(double value) {
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
    const char* begin = buf[0] == '0' && buf[1] == '.' ? buf + 1 : buf;  // "0.01" -> ".01"
    return std::string(begin, static_cast<const char*>(result.ptr));
}

std::string Number(double value) { return SvgNumber(value); }

std::string Colour(Rgba c) {
    static const char* hex = "0123456789abcdef";
    std::string s = "#";
    const bool doubled = c.r % 17 == 0 && c.g % 17 == 0 && c.b % 17 == 0;  // #rgb says the same
    for (uint8_t v : {c.r, c.g, c.b}) {
        s += hex[v >> 4];
        if (!doubled) s += hex[v & 15];
    }
    return s;
}

std::string Fill(Rgba c) {
    std::string s = " fill=\"" + Colour(c) + "\"";
    if (c.a != 255) s += " fill-opacity=\"" + Number(c.a / 255.0) + "\"";
    return s;
}

// Every rectangle as a closed subpath; each starts relative to the one before.
std::string Rectangles(const std::vector<DarkRect>& rects, double unit) {
    std::string d;
    double x = 0.0, y = 0.0;
    for (const DarkRect& r : MergedDarkRects(rects)) {
        const double rx = SvgRounded(r.x / unit), ry = SvgRounded(r.y / unit), w = r.w / unit, h = r.h / unit;
        d += d.empty() ? 'M' : 'm';
        AppendSvgNumber(d, rx - x);
        d += ' ';
        AppendSvgNumber(d, ry - y);
        d += 'h';
        AppendSvgNumber(d, w);
        d += 'v';
        AppendSvgNumber(d, h);
        d += 'h';
        AppendSvgNumber(d, -w);
        d += 'z';
        x = rx;
        y = ry;
    }
    return d;
}

std::string DarkPath(const std::vector<DarkRect>& rects, double unit, Rgba colour) {
    // A line takes a subset of a closed rectangle's commands, so lines are the shorter whenever the
    // rectangles allow them. Lines enclose no area, so the path's fill draws nothing.
    const std::string strokes = StrokePath(rects, unit);
    if (!strokes.empty())
        return "<path" + std::string(kCrisp) + " stroke=\"" + Colour(colour) + "\"" +
               (colour.a != 255 ? " stroke-opacity=\"" + Number(colour.a / 255.0) + "\"" : "") +
               (rects.front().h != unit ? " stroke-width=\"" + Number(rects.front().h / unit) + "\"" : "") + " d=\"" +
               strokes + "\"/>\n";
    return "<path" + std::string(kCrisp) + Fill(colour) + " d=\"" + Rectangles(rects, unit) + "\"/>\n";
}

// Each glyph's outline once, scaled from font units to modules, then placed by <use>. An id names
// what it holds (font, character, scale), so documents inlined in one page that happen to share
// an id share its content too.
std::string Glyphs(const SymbolLayout& layout, Rgba colour) {
    const double unit = layout.module_pixels;
    std::map<std::tuple<std::string, char32_t, double>, std::string> ids;
    std::string defs = "<defs>", uses = "<g" + Fill(colour) + ">";
    for (const PlacedGlyph& g : layout.glyphs) {
        const std::string scale = Scale(g.em_pixels / g.font->UnitsPerEm() / unit);
        auto [at, fresh] = ids.try_emplace({g.font->Tag(), g.code_point, g.em_pixels});
        if (fresh) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "%X", unsigned(g.code_point));
            at->second = "bq" + g.font->Tag() + hex + "_" + scale;
            defs += "<path id=\"" + at->second + "\" transform=\"scale(" + scale + ")\" d=\"" +
                    g.font->Outline(g.code_point) + "\"/>";
        }
        uses += "<use xlink:href=\"#" + at->second + "\" x=\"" + Number(g.pen_x / unit) + "\" y=\"" +
                Number(g.baseline / unit) + "\"/>";
    }
    return defs + "</defs>\n" + uses + "</g>\n";
}

}  // namespace

std::string SvgDocument(const SymbolLayout& layout, const RenderOptions& options) {
    const double unit = layout.module_pixels;
    const bool turned = options.rotate == 90 || options.rotate == 270;
    const double w = (turned ? layout.height : layout.width) / unit, h = (turned ? layout.width : layout.height) / unit;
    std::string width, height;
    if (options.module_mm > 0.0 || options.dpi > 0) {
        const double mm_per_unit = options.module_mm > 0.0 ? options.module_mm : unit * 25.4 / options.dpi;
        width = Number(w * mm_per_unit) + "mm";
        height = Number(h * mm_per_unit) + "mm";
    } else {
        width = Number(w * unit);
        height = Number(h * unit);
    }
    std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    doc += std::string("<svg xmlns=\"http://www.w3.org/2000/svg\"") +
           (layout.glyphs.empty() ? "" : " xmlns:xlink=\"http://www.w3.org/1999/xlink\"") + " width=\"" + width + "\" height=\"" + height + "\" viewBox=\"0 0 " + Number(w) + " " + Number(h) + "\">\n";
    if (options.background.a != 0)
        doc += "<rect width=\"" + Number(w) + "\" height=\"" + Number(h) + "\"" + Fill(options.background) + "/>\n";
    std::string close;
    if (options.rotate != 0) {
        // Turned clockwise about the origin, then moved back into view.
        const double lw = layout.width / unit, lh = layout.height / unit;
        const std::string shift = options.rotate == 90    ? Number(lh) + " 0"
                                  : options.rotate == 180 ? Number(lw) + " " + Number(lh)
                                                          : "0 " + Number(lw);
        doc += "<g transform=\"translate(" + shift + ") rotate(" + std::to_string(options.rotate) + ")\">\n";
        close = "</g>\n";
    }
    if (!layout.dark.empty())
        doc += DarkPath(layout.dark, unit, options.foreground);
    if (!layout.glyphs.empty()) doc += Glyphs(layout, options.foreground);
    doc += close + "</svg>\n";
    return doc;
}
