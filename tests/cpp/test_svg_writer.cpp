#include <gtest/gtest.h>

#include <cstdio>

#include "core/codec/base64.h"
#include "core/render/svg_writer.h"

namespace {

TEST(SvgWriter, ElementsAndNumberFormats) {
    SvgWriter svg;
    svg.Begin(200, 100);
    svg.Rect(0, 0, 200, 100, {255, 255, 255, 255});
    svg.Rect(6.375, 0.5, 4, 75, {0, 0, 0, 128});
    svg.Text(100, 80, "A", 20, {1, 2, 3, 40}, "middle");
    svg.End();
    EXPECT_EQ(svg.Document(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"200\" height=\"100\" "
              "viewBox=\"0 0 200 100\">\n"
              "  <rect x=\"0.00\" y=\"0.00\" width=\"200.00\" height=\"100.00\" fill=\"rgb(255,255,255)\"/>\n"
              "  <rect x=\"6.38\" y=\"0.50\" width=\"4.00\" height=\"75.00\" fill=\"rgb(0,0,0)\" "
              "fill-opacity=\"0.50\"/>\n"
              "  <text x=\"100.00\" y=\"80.00\" font-family=\"Arial, sans-serif\" font-size=\"20\" "
              "fill=\"rgb(1,2,3)\" text-anchor=\"middle\" dominant-baseline=\"hanging\">A</text>\n"
              "</svg>\n");
    EXPECT_EQ(svg.Width(), 200u);
    EXPECT_EQ(svg.Height(), 100u);
}

TEST(SvgWriter, TextIsEscapedAndKeptWellFormed) {
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"a&b<c>\"'", "a&amp;b&lt;c&gt;&quot;&apos;"},
        {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},  // whole UTF-8 characters stay
        {"\xC3", "\xEF\xBF\xBD"},                     // a lone lead byte cannot
        {"\x01", "\xEF\xBF\xBD"},                     // nor a control character
    };
    for (const Case& c : cases) {
        SvgWriter svg;
        svg.Begin(1, 1);
        svg.Text(0, 0, c.text, 8, {0, 0, 0, 255}, "middle");
        EXPECT_NE(svg.Document().find(">" + c.expected + "</text>"), std::string::npos) << c.text;
    }
}

TEST(Base64, Rfc4648Vectors) {
    const std::pair<std::string, std::string> vectors[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}, {"\xff\xfe", "//4="},
    };
    for (const auto& [in, out] : vectors)
        EXPECT_EQ(Base64Encode(reinterpret_cast<const uint8_t*>(in.data()), in.size()), out);
}

}  // namespace

namespace {

// Rounding must match printf's "%.2f" on the exact binary value (ties such as 0.125 go to even).
TEST(SvgWriter, NumbersRoundLikePrintf) {
    const double values[] = {0.125, 0.375, 2.675, 1.005, -0.001, -2.5, 6.375, 1e15 + 0.5, 123456.785, 0.0};
    for (double v : values) {
        SvgWriter svg;
        svg.Begin(1, 1);
        svg.Rect(v, 0, 0, 0, {0, 0, 0, 255});
        char expected[64];
        std::snprintf(expected, sizeof expected, "x=\"%.2f\"", v);
        EXPECT_NE(svg.Document().find(expected), std::string::npos) << v;
    }
}

}  // namespace
