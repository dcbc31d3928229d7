#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "symbologies/registry.h"

namespace {

// (text, centre) of every Marker span.
std::vector<std::pair<std::string, double>> Markers(const std::string& symbology, const std::string& text) {
    std::vector<std::pair<std::string, double>> out;
    for (const TextSpan& span : Encode(symbology, text, {}).text)
        if (span.role == TextRole::Marker) out.emplace_back(span.text, span.center_x);
    return out;
}

// Outer edges half a module inside the quiet zones' outer edges (zint puts them on the edges: EAN-13
// 95 + 7; EAN-8 -7 and 67 + 7), 3 modules to the glyph's centre; UPC carries none, an add-on no right
// one.
TEST(LightMarginIndicators, WhereEachSymbologyHasThem) {
    using Spans = std::vector<std::pair<std::string, double>>;
    EXPECT_EQ(Markers("ean13", "490123456789"), (Spans{{">", 98.5}}));
    EXPECT_EQ(Markers("ean8", "4901234"), (Spans{{"<", -3.5}, {">", 70.5}}));
    EXPECT_EQ(Markers("upca", "03600029145"), Spans{});
    EXPECT_EQ(Markers("ean13", "490123456789+12"), Spans{});  // it would stand between symbol and add-on
    EXPECT_EQ(Markers("ean8", "4901234+12"), (Spans{{"<", -3.5}}));
}

}  // namespace
