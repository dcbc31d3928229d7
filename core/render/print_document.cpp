#include "core/render/print_document.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>

#include "core/codec/zlib_stream.h"
#include "core/model/encode_error.h"
#include "core/render/dark_rects.h"
#include "core/render/outline_path.h"

namespace {

// Both languages draw from one content stream: PDF's operators, which the EPS prolog defines
// as PostScript procedures.
constexpr char kPostScriptProlog[] =
    "/q {gsave} bind def /Q {grestore} bind def /cm {6 array astore concat} bind def\n"
    "/m {moveto} bind def /l {lineto} bind def /c {curveto} bind def /h {closepath} bind def\n"
    "/re {4 2 roll moveto 1 index 0 rlineto 0 exch rlineto neg 0 rlineto closepath} bind def\n"
    "/f {fill} bind def /rg {setrgbcolor} bind def /k {setcmykcolor} bind def\n";

std::string Number(double value, int significant = 7) {
    if (value > -5e-7 && value < 5e-7) return "0";
    char buf[40];
    auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 4);
    std::string text(buf, result.ptr);
    if (text.size() > size_t(significant) + 6) {  // very large or needing more digits: general form
        result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, significant);
        return std::string(buf, result.ptr);
    }
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string Matrix(double a, double b, double c, double d, double e, double f) {
    return Number(a, 9) + ' ' + Number(b, 9) + ' ' + Number(c, 9) + ' ' + Number(d, 9) + ' ' + Number(e, 9) + ' ' +
           Number(f, 9) + " cm\n";
}

// A colour as drawn on an opaque page: translucent colours are mixed with `under`.
Rgba Over(Rgba colour, Rgba under) {
    const double a = colour.a / 255.0;
    auto mix = [&](uint8_t top, uint8_t bottom) { return uint8_t(top * a + bottom * (1.0 - a) + 0.5); };
    return Rgba{mix(colour.r, under.r), mix(colour.g, under.g), mix(colour.b, under.b), 255};
}

std::string FillColour(Rgba c, bool cmyk) {
    const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    if (!cmyk) return Number(r) + ' ' + Number(g) + ' ' + Number(b) + " rg\n";
    // Greys on the black plate alone: black is 0 0 0 1, never a mix of the four inks.
    const double k = 1.0 - std::max({r, g, b});
    if (k >= 1.0 || (c.r == c.g && c.g == c.b)) return "0 0 0 " + Number(k) + " k\n";
    return Number((1 - r - k) / (1 - k)) + ' ' + Number((1 - g - k) / (1 - k)) + ' ' + Number((1 - b - k) / (1 - k)) +
           ' ' + Number(k) + " k\n";
}

struct Page {
    double width_pt = 0, height_pt = 0;
    std::string content;
    std::vector<uint8_t> alphas;  // translucent fills (PDF's graphics states /A0, /A1, ...)
};

// Sets the fill colour; a translucent one through a graphics state in PDF, mixed with what lies
// under it in PostScript, which has no transparency.
void SetFill(Page& page, Rgba colour, Rgba under, const RenderOptions& options, PrintLanguage language) {
    if (colour.a != 255 && language == PrintLanguage::Pdf) {
        auto at = std::find(page.alphas.begin(), page.alphas.end(), colour.a);
        if (at == page.alphas.end()) at = page.alphas.insert(page.alphas.end(), colour.a);
        page.content += "/A" + std::to_string(at - page.alphas.begin()) + " gs\n";
        colour.a = 255;
    }
    page.content += FillColour(colour.a == 255 ? colour : Over(colour, under.a == 255 ? under : Rgba{255, 255, 255, 255}),
                               options.cmyk);
}

void AppendGlyph(std::string& content, const PlacedGlyph& glyph, double unit) {
    const double scale = glyph.em_pixels / glyph.font->UnitsPerEm() / unit;
    content += "q\n" + Matrix(scale, 0, 0, scale, glyph.pen_x / unit, glyph.baseline / unit);
    for (const OutlineSegment& s : OutlineSegments(glyph.font->Outline(glyph.code_point))) {
        switch (s.kind) {
            case OutlineSegment::Move: content += Number(s.x) + ' ' + Number(s.y) + " m\n"; break;
            case OutlineSegment::Line: content += Number(s.x) + ' ' + Number(s.y) + " l\n"; break;
            case OutlineSegment::Cubic:
                content += Number(s.x1) + ' ' + Number(s.y1) + ' ' + Number(s.x2) + ' ' + Number(s.y2) + ' ' +
                           Number(s.x) + ' ' + Number(s.y) + " c\n";
                break;
            case OutlineSegment::Close: content += "h\n"; break;
        }
    }
    content += "f\nQ\n";
}

Page Draw(const SymbolLayout& layout, const RenderOptions& options, PrintLanguage language) {
    const double mm_per_pixel = options.module_mm > 0.0 ? options.module_mm / layout.module_pixels
                                : options.dpi > 0       ? 25.4 / options.dpi
                                                        : 25.4 / 96.0;
    const double pt = mm_per_pixel * 72.0 / 25.4;
    const bool turned = options.rotate == 90 || options.rotate == 270;
    const double w = turned ? layout.height : layout.width, h = turned ? layout.width : layout.height;
    Page page;
    page.width_pt = w * pt;
    page.height_pt = h * pt;
    // Modules of the layout from here on (short numbers), y downwards as in every other output.
    const double unit = layout.module_pixels;
    page.content += Matrix(pt * unit, 0, 0, -pt * unit, 0, page.height_pt);
    if (options.background.a != 0) {
        SetFill(page, options.background, Rgba{255, 255, 255, 255}, options, language);
        page.content += "0 0 " + Number(w / unit) + ' ' + Number(h / unit) + " re f\n";
    }
    const double lw = layout.width / unit, lh = layout.height / unit;
    switch (options.rotate) {  // clockwise, then moved back into the page
        case 90: page.content += Matrix(0, 1, -1, 0, lh, 0); break;
        case 180: page.content += Matrix(-1, 0, 0, -1, lw, lh); break;
        case 270: page.content += Matrix(0, -1, 1, 0, 0, lw); break;
        default: break;
    }
    SetFill(page, options.foreground, options.background, options, language);
    const std::vector<DarkRect> rects = MergedDarkRects(layout.dark);
    for (const DarkRect& r : rects)
        page.content +=
            Number(r.x / unit) + ' ' + Number(r.y / unit) + ' ' + Number(r.w / unit) + ' ' + Number(r.h / unit) + " re\n";
    if (!rects.empty()) page.content += "f\n";
    for (const PlacedGlyph& glyph : layout.glyphs) AppendGlyph(page.content, glyph, unit);
    return page;
}

// FNV-1a over the file so far: the document's /ID is the same for the same drawing.
std::string ContentId(const std::string& bytes) {
    uint64_t a = 1469598103934665603ULL, b = 1099511628211ULL * 7;
    for (unsigned char ch : bytes) {
        a = (a ^ ch) * 1099511628211ULL;
        b = (b ^ ch) * 1469598103934665603ULL + 1;
    }
    char hex[33];
    std::snprintf(hex, sizeof hex, "%016llx%016llx", static_cast<unsigned long long>(a),
                  static_cast<unsigned long long>(b));
    return hex;
}

std::string Pdf(const Page& page) {
    static const char kMetadata[] =
        "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
        "<rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" "
        "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><pdf:Producer>barcode_quor</pdf:Producer>"
        "<dc:format>application/pdf</dc:format></rdf:Description></rdf:RDF></x:xmpmeta>\n"
        "<?xpacket end=\"r\"?>";
    std::string states;
    for (size_t i = 0; i < page.alphas.size(); ++i)
        states += "/A" + std::to_string(i) + " << /ca " + Number(page.alphas[i] / 255.0) + " >> ";
    const std::string content = ZlibStream(page.content);
    if (content.empty()) throw EncodeError(EncodeErrorKind::TooLarge, "the PDF content could not be compressed");
    const std::string resources = states.empty() ? "<< >>" : "<< /ExtGState << " + states + ">> >>";
    const std::string objects[] = {
        "<< /Type /Catalog /Pages 2 0 R /Metadata 5 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(page.width_pt) + ' ' + Number(page.height_pt) +
            "] /Resources " + resources + " /Contents 4 0 R >>",
        "<< /Length " + std::to_string(content.size()) + " /Filter /FlateDecode >>\nstream\n" + content +
            "\nendstream",
        "<< /Type /Metadata /Subtype /XML /Length " + std::to_string(sizeof kMetadata - 1) + " >>\nstream\n" +
            kMetadata + "\nendstream",
        "<< /Producer (barcode_quor) >>",
    };
    std::string pdf = "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < std::size(objects); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t xref = pdf.size();
    const std::string id = ContentId(pdf);
    pdf += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t offset : offsets) {
        char line[24];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
        pdf += line;
    }
    pdf += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R /Info 6 0 R /ID [<" + id +
           "> <" + id + ">] >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

// ASCII85 (PostScript's base-85 text form of binary data), ending in "~>".
std::string Ascii85(const std::string& data) {
    std::string out;
    size_t column = 0;
    auto put = [&](char c) {
        out += c;
        if (++column == 75) {
            out += '\n';
            column = 0;
        }
    };
    for (size_t i = 0; i < data.size(); i += 4) {
        const size_t n = std::min<size_t>(4, data.size() - i);
        uint32_t word = 0;
        for (size_t k = 0; k < 4; ++k) word = word << 8 | (k < n ? static_cast<unsigned char>(data[i + k]) : 0);
        if (word == 0 && n == 4) {
            put('z');
            continue;
        }
        char digits[5];
        for (int k = 4; k >= 0; --k, word /= 85) digits[k] = char('!' + word % 85);
        for (size_t k = 0; k <= n; ++k) put(digits[k]);
    }
    return out + "~>\n";
}

// The drawing compressed, as PostScript LanguageLevel 3 reads it back and runs it: a fraction of
// its plain size (glyph outlines are most of it).
std::string Eps(const Page& page) {
    char box[160];
    std::snprintf(box, sizeof box, "%%%%BoundingBox: 0 0 %ld %ld\n%%%%HiResBoundingBox: 0 0 %s %s\n",
                  long(page.width_pt + 0.999), long(page.height_pt + 0.999), Number(page.width_pt).c_str(),
                  Number(page.height_pt).c_str());
    const std::string compressed = ZlibStream(page.content);
    if (compressed.empty()) throw EncodeError(EncodeErrorKind::TooLarge, "the EPS drawing could not be compressed");
    return std::string("%!PS-Adobe-3.0 EPSF-3.0\n%%Creator: barcode_quor\n") + box +
           "%%LanguageLevel: 3\n%%Pages: 1\n%%EndComments\n%%BeginProlog\n" + kPostScriptProlog +
           "%%EndProlog\n%%Page: 1 1\nsave\ncurrentfile /ASCII85Decode filter /FlateDecode filter cvx exec\n" +
           Ascii85(compressed) + "restore\nshowpage\n%%EOF\n";
}

}  // namespace

std::string PrintDocument(const SymbolLayout& layout, const RenderOptions& options, PrintLanguage language) {
    const Page page = Draw(layout, options, language);
    return language == PrintLanguage::Pdf ? Pdf(page) : Eps(page);
}
