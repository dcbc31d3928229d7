#include "symbologies/retail/light_margin_indicators.h"

#include <algorithm>

namespace {

// Half the width of an OCR-B '<' or '>' at the digits' size, in modules, and half a module to
// spare: the span's centre stands this far inside the quiet zone's outer edge, so the glyph ends
// inside it at every pixel size.
constexpr double kHalfMarker = 3.5;

TextSpan Marker(const char* text, double center_x) {
    TextSpan span;
    span.text = text;
    span.center_x = center_x;
    span.role = TextRole::Marker;
    return span;
}

}  // namespace

void AddLightMarginIndicators(EncodedSymbol& symbol, AddOnHost host) {
    if (host != AddOnHost::Ean13 && host != AddOnHost::Ean8) return;
    if (host == AddOnHost::Ean8) symbol.text.push_back(Marker("<", -symbol.quiet_zone.left + kHalfMarker));
    symbol.text.push_back(Marker(">", symbol.width + symbol.quiet_zone.right - kHalfMarker));
}

void DropRightIndicator(EncodedSymbol& symbol) {
    auto& spans = symbol.text;
    spans.erase(std::remove_if(spans.begin(), spans.end(),
                               [](const TextSpan& s) { return s.role == TextRole::Marker && s.text == ">"; }),
                spans.end());
}
