#include "core/render/svg_writer.h"

#include <charconv>

#include "core/text_encoding/utf8.h"

namespace {

// Two decimals, rounded as printf's "%.2f" rounds; to_chars is exact and much faster than printf,
// which matters for 2D symbols with tens of thousands of rectangles.
void AppendFixed(std::string& out, double value) {
    char buf[400];  // room for any double in fixed notation
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
    out.append(buf, result.ptr);
}

void AppendInt(std::string& out, int value) {
    char buf[16];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, result.ptr);
}

void AppendColour(std::string& out, Rgba c) {
    out += "rgb(";
    AppendInt(out, c.r);
    out += ',';
    AppendInt(out, c.g);
    out += ',';
    AppendInt(out, c.b);
    out += ')';
}

// Escapes what XML reserves; bytes that cannot stand in an XML document (control characters,
// broken UTF-8, such as one byte of a multi-byte character drawn alone) become U+FFFD.
void AppendXmlText(std::string& out, const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const size_t n = Utf8SequenceLength(text, i);
        if (n == 0 || (c < 0x20 && c != '\t' && c != '\n' && c != '\r')) {
            out += "\xEF\xBF\xBD";
            i += n == 0 ? 1 : n;
            continue;
        }
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out.append(text, i, n);
        }
        i += n;
    }
}

}  // namespace

void SvgWriter::Begin(int width, int height) {
    width_ = uint32_t(width);
    height_ = uint32_t(height);
    const std::string w = std::to_string(width), h = std::to_string(height);
    doc_.clear();
    doc_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    doc_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "\" height=\"" + h +
            "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
}

void SvgWriter::Rect(double x, double y, double w, double h, Rgba colour) {
    doc_ += "  <rect x=\"";
    AppendFixed(doc_, x);
    doc_ += "\" y=\"";
    AppendFixed(doc_, y);
    doc_ += "\" width=\"";
    AppendFixed(doc_, w);
    doc_ += "\" height=\"";
    AppendFixed(doc_, h);
    doc_ += "\" fill=\"";
    AppendColour(doc_, colour);
    if (colour.a != 255) {
        doc_ += "\" fill-opacity=\"";
        AppendFixed(doc_, colour.a / 255.0);
    }
    doc_ += "\"/>\n";
}

void SvgWriter::Text(double x, double y, const std::string& text, int font_size, Rgba colour, const char* anchor) {
    doc_ += "  <text x=\"";
    AppendFixed(doc_, x);
    doc_ += "\" y=\"";
    AppendFixed(doc_, y);
    doc_ += "\" font-family=\"Arial, sans-serif\" font-size=\"" + std::to_string(font_size) + "\" fill=\"";
    AppendColour(doc_, colour);
    doc_ += "\" text-anchor=\"";
    doc_ += anchor;
    doc_ += "\" dominant-baseline=\"hanging\">";
    AppendXmlText(doc_, text);
    doc_ += "</text>\n";
}

void SvgWriter::End() { doc_ += "</svg>\n"; }
