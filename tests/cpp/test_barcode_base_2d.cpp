#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "core/classes/barcode_base_2d.h"

namespace {

// Draws a hand-made matrix in one of the three layouts.
class MatrixDrawer : public BarcodeBase2D {
public:
    MatrixDrawer(ModuleMatrix matrix, MatrixLayout layout, const char* format = "png")
        : BarcodeBase2D(format), matrix_(std::move(matrix)), layout_(layout) {}

    bool DrawEncoded(const std::string& bytes, int x, int y, int width, int height) override {
        last_bytes = bytes;
        return DrawModuleMatrix(matrix_, x, y, width, height, layout_);
    }

    ModuleMatrix EncodeMatrix(const std::string&) override { return matrix_; }

    int CanvasWidth() const { return Canvas() ? Canvas()->Width() : -1; }
    int CanvasHeight() const { return Canvas() ? Canvas()->Height() : -1; }
    bool DarkAt(int x, int y) const { return Canvas()->Pixels()[(size_t(y) * CanvasWidth() + x) * 4] < 128; }
    // Dark pixel runs along one pixel row, as [start, end) pairs.
    std::vector<std::pair<int, int>> DarkRuns(int y) const {
        std::vector<std::pair<int, int>> runs;
        for (int x = 0; x < CanvasWidth(); ++x) {
            if (!DarkAt(x, y)) continue;
            if (!runs.empty() && runs.back().second == x) runs.back().second = x + 1;
            else runs.push_back({x, x + 1});
        }
        return runs;
    }

    std::string last_bytes;

private:
    ModuleMatrix matrix_;
    MatrixLayout layout_;
};

// A C x R matrix whose module (c, r) is dark when c + r is even.
ModuleMatrix Checkerboard(int columns, int rows) {
    ModuleMatrix m(columns, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) m.Set(c, r, (c + r) % 2 == 0);
    return m;
}

ModuleMatrix Full(int columns, int rows) {
    ModuleMatrix m(columns, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) m.Set(c, r);
    return m;
}

struct Rect {
    double x, y, w, h;
};

std::vector<Rect> SvgRects(const std::string& svg) {
    static const std::regex rect(R"re(<rect x="([-0-9.]+)" y="([-0-9.]+)" width="([-0-9.]+)" height="([-0-9.]+)")re");
    std::vector<Rect> rects;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), rect); it != std::sregex_iterator(); ++it)
        rects.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), std::stod((*it)[4])});
    return rects;
}

TEST(MatrixLayout, RasterModuleSizes) {
    struct Case {
        MatrixLayout layout;
        int columns, rows, width, height;
        bool fit;
        int canvas_w, canvas_h;
        std::vector<std::pair<int, int>> row0;  // dark runs of pixel row 0 (full matrix)
    };
    const Case cases[] = {
        // 21 x 21 at 100 x 50: 4 x 2 pixel modules, symbol 84 x 42 at the top left.
        {MatrixLayout::Stretched, 21, 21, 100, 50, false, 100, 50, {{0, 84}}},
        {MatrixLayout::Stretched, 21, 21, 100, 50, true, 100, 50, {{0, 100}}},
        {MatrixLayout::Stretched, 21, 21, 10, 10, false, 10, 10, {{0, 10}}},  // never below 1 pixel
        // Data Matrix: the canvas shrinks to whole square modules.
        {MatrixLayout::Square, 10, 10, 95, 95, false, 90, 90, {{0, 90}}},
        {MatrixLayout::Square, 10, 10, 5, 5, false, 10, 10, {{0, 10}}},
        {MatrixLayout::Square, 10, 10, 95, 95, true, 95, 95, {{0, 95}}},
        {MatrixLayout::Square, 18, 8, 200, 100, false, 198, 88, {{0, 198}}},
        {MatrixLayout::StretchedRows, 120, 5, 1200, 150, false, 1200, 150, {{0, 1200}}},
    };
    for (const Case& c : cases) {
        MatrixDrawer d(Full(c.columns, c.rows), c.layout);
        d.SetFitWidth(c.fit);
        ASSERT_TRUE(d.Draw("x", 0, 0, c.width, c.height));
        EXPECT_EQ(d.CanvasWidth(), c.canvas_w) << c.columns << "x" << c.rows << " at " << c.width;
        EXPECT_EQ(d.CanvasHeight(), c.canvas_h) << c.columns << "x" << c.rows << " at " << c.height;
        EXPECT_EQ(d.DarkRuns(0), c.row0) << c.columns << "x" << c.rows << " at " << c.width;
    }
}

TEST(MatrixLayout, RasterBoundariesAreRoundedPositions) {
    MatrixDrawer d(Checkerboard(21, 21), MatrixLayout::Stretched);
    d.SetFitWidth(true);
    ASSERT_TRUE(d.Draw("x", 0, 0, 100, 50));
    // Row 0 holds the even modules: each from round(i 100 / 21) to round((i + 1) 100 / 21).
    std::vector<std::pair<int, int>> expected;
    for (int i = 0; i < 21; i += 2)
        expected.push_back({int(std::lround(i * 100.0 / 21)), int(std::lround((i + 1) * 100.0 / 21))});
    EXPECT_EQ(d.DarkRuns(0), expected);
    // Module row 1 starts at pixel row round(50 / 21) = 2: the odd modules are dark there.
    EXPECT_FALSE(d.DarkAt(0, 2));
    EXPECT_TRUE(d.DarkAt(6, 2));
}

TEST(MatrixLayout, PxAdjustBlackWidensEveryModule) {
    MatrixDrawer d(Checkerboard(4, 1), MatrixLayout::Stretched);
    d.SetPxAdjustBlack(2);
    ASSERT_TRUE(d.Draw("x", 0, 0, 40, 10));
    EXPECT_EQ(d.DarkRuns(0), (std::vector<std::pair<int, int>>{{0, 12}, {20, 32}}));
}

TEST(MatrixLayout, EveryRasterDrawGetsACanvasOfItsSize) {
    MatrixDrawer d(Full(21, 21), MatrixLayout::Stretched);
    ASSERT_TRUE(d.DrawSquare("x", 0, 0, 200));
    EXPECT_EQ(d.CanvasWidth(), 200);
    ASSERT_TRUE(d.DrawSquare("x", 0, 0, 400));
    EXPECT_EQ(d.CanvasWidth(), 400);
    EXPECT_EQ(d.CanvasHeight(), 400);
}

TEST(MatrixLayout, SvgDocumentsAndBoundaries) {
    struct Case {
        MatrixLayout layout;
        int columns, rows, width, height;
        bool fit;
        int doc_w, doc_h;
        Rect second;  // the rectangle of module (1, 0)
    };
    const Case cases[] = {
        {MatrixLayout::Stretched, 21, 21, 100, 50, false, 100, 50, {4, 0, 4, 2}},
        {MatrixLayout::Stretched, 21, 21, 100, 50, true, 100, 50, {100.0 / 21, 0, 100.0 / 21, 50.0 / 21}},
        {MatrixLayout::Square, 10, 10, 95, 95, false, 90, 90, {9, 0, 9, 9}},
        {MatrixLayout::Square, 10, 10, 5, 5, false, 10, 10, {1, 0, 1, 1}},
        {MatrixLayout::Square, 10, 10, 95, 95, true, 95, 95, {9.5, 0, 9.5, 9.5}},
        {MatrixLayout::Square, 18, 8, 200, 100, true, 200, 89, {200.0 / 18, 0, 200.0 / 18, 89.0 / 8}},
        {MatrixLayout::StretchedRows, 120, 5, 1200, 150, false, 1200, 150, {10, 0, 10, 30}},
    };
    for (const Case& c : cases) {
        MatrixDrawer d(Full(c.columns, c.rows), c.layout, "svg");
        d.SetFitWidth(c.fit);
        ASSERT_TRUE(d.Draw("x", 7, 9, c.width, c.height));  // the origin does not move SVG content
        const std::string svg = d.GetSvg();
        const std::string size = "width=\"" + std::to_string(c.doc_w) + "\" height=\"" + std::to_string(c.doc_h) + "\"";
        EXPECT_NE(svg.find(size), std::string::npos) << svg.substr(0, 200);
        const std::vector<Rect> rects = SvgRects(svg);
        ASSERT_EQ(rects.size(), size_t(c.columns) * c.rows + 1);  // background + one per dark module
        EXPECT_EQ(rects[0].w, c.doc_w);
        EXPECT_EQ(rects[0].h, c.doc_h);
        EXPECT_NEAR(rects[2].x, c.second.x, 0.006);  // two decimals in the document
        EXPECT_NEAR(rects[2].y, c.second.y, 0.006);  // two decimals in the document
        EXPECT_NEAR(rects[2].w, c.second.w, 0.006);  // two decimals in the document
        EXPECT_NEAR(rects[2].h, c.second.h, 0.006);  // two decimals in the document
    }
}

TEST(MatrixLayout, SvgDrawsOnlyDarkModulesRowByRow) {
    ModuleMatrix m(3, 2);
    m.Set(2, 0);
    m.Set(0, 1);
    MatrixDrawer d(m, MatrixLayout::Stretched, "svg");
    ASSERT_TRUE(d.Draw("x", 0, 0, 30, 20));
    const std::vector<Rect> rects = SvgRects(d.GetSvg());
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[1].x, 20);
    EXPECT_EQ(rects[1].y, 0);
    EXPECT_EQ(rects[2].x, 0);
    EXPECT_EQ(rects[2].y, 10);
}

TEST(MatrixLayout, EmptyMatrix) {
    for (MatrixLayout layout : {MatrixLayout::Stretched, MatrixLayout::Square, MatrixLayout::StretchedRows}) {
        MatrixDrawer svg(ModuleMatrix(), layout, "svg");
        EXPECT_FALSE(svg.Draw("x", 0, 0, 50, 50));
        MatrixDrawer raster(ModuleMatrix(), layout);
        EXPECT_EQ(raster.Draw("x", 0, 0, 50, 50), layout == MatrixLayout::Stretched);
    }
    MatrixDrawer blank(ModuleMatrix(), MatrixLayout::Stretched);
    ASSERT_TRUE(blank.Draw("x", 0, 0, 30, 20));
    EXPECT_EQ(blank.CanvasWidth(), 30);
    EXPECT_TRUE(blank.DarkRuns(0).empty());
}

TEST(MatrixLayout, UnusableFormatsAndSizesDrawNothing) {
    MatrixDrawer none(Full(5, 5), MatrixLayout::Stretched, "");
    EXPECT_FALSE(none.Draw("x", 0, 0, 50, 50));
    MatrixDrawer bmp(Full(5, 5), MatrixLayout::Stretched, "bmp");
    EXPECT_FALSE(bmp.Draw("x", 0, 0, 50, 50));
    MatrixDrawer zero(Full(5, 5), MatrixLayout::Stretched);
    EXPECT_FALSE(zero.Draw("x", 0, 0, 0, 50));
}

TEST(MatrixLayout, DrawConvertsWithTheStringEncoding) {
    MatrixDrawer d(Full(1, 1), MatrixLayout::Stretched, "svg");
    d.SetStringEncoding("shift_jis");
    ASSERT_TRUE(d.DrawSquare("\xE3\x82\xA2", 0, 0, 10));  // katakana A
    EXPECT_EQ(d.last_bytes, "\x83\x41");
    d.SetStringEncoding("SJIS");  // not one of the recognised names: the text stays UTF-8
    ASSERT_TRUE(d.DrawSquare("\xE3\x82\xA2", 0, 0, 10));
    EXPECT_EQ(d.last_bytes, "\xE3\x82\xA2");
}

// ---- String encoding -----------------------------------------------------------------------------

struct Conversion {
    const char* what;
    std::string utf8, cp932;
};

// Characters where code page 932 differs from plain Shift_JIS, in both directions.
const Conversion kRoundTrips[] = {
    {"katakana", "\xE3\x82\xAB\xE3\x82\xBF\xE3\x82\xAB\xE3\x83\x8A", "\x83\x4A\x83\x5E\x83\x4A\x83\x69"},
    {"ASCII backslash and tilde", "\\~", "\\~"},
    {"half-width katakana", "\xEF\xBD\xB1", "\xB1"},
    {"fullwidth tilde (wave dash code)", "\xEF\xBD\x9E", "\x81\x60"},
    {"parallel to", "\xE2\x88\xA5", "\x81\x61"},
    {"fullwidth hyphen-minus", "\xEF\xBC\x8D", "\x81\x7C"},
    {"fullwidth cent, pound, not", "\xEF\xBF\xA0\xEF\xBF\xA1\xEF\xBF\xA2", "\x81\x91\x81\x92\x81\xCA"},
    {"horizontal bar", "\xE2\x80\x95", "\x81\x5C"},
    {"NEC row 13 circled one", "\xE2\x91\xA0", "\x87\x40"},
    {"NEC row 13 roman numeral one", "\xE2\x85\xA0", "\x87\x54"},
    {"NEC row 13 numero sign", "\xE2\x84\x96", "\x87\x82"},
    {"JIS approx-equal, not its NEC twin", "\xE2\x89\x92", "\x81\xE0"},
    {"JIS because, not its NEC twin", "\xE2\x88\xB5", "\x81\xE6"},
    {"IBM small roman numeral one", "\xE2\x85\xB0", "\xFA\x40"},
    {"IBM kanji, not the NEC-selected copy", "\xE7\xBA\x8A", "\xFA\x5C"},
    {"IBM fullwidth broken bar", "\xEF\xBF\xA4", "\xFA\x55"},
    {"last IBM kanji", "\xE9\xBB\x91", "\xFC\x4B"},
    {"user-defined area", "\xEE\x80\x80", "\xF0\x40"},
    {"single-byte 0x80", "\xC2\x80", "\x80"},
    {"single bytes 0xA0, 0xFD-0xFF", "\xEF\xA3\xB0\xEF\xA3\xB1\xEF\xA3\xB2\xEF\xA3\xB3", "\xA0\xFD\xFE\xFF"},
};

TEST(StringEncoding, Utf8ToCodePage932) {
    for (const Conversion& c : kRoundTrips) EXPECT_EQ(ConvertStringEncoding(c.utf8, "shift_jis"), c.cp932) << c.what;
}

TEST(StringEncoding, CodePage932ToUtf8) {
    for (const Conversion& c : kRoundTrips) {
        if (c.cp932 == c.utf8) continue;  // plain ASCII is well-formed UTF-8 and stays as it is
        EXPECT_EQ(ConvertStringEncoding(c.cp932, "utf-8"), c.utf8) << c.what;
    }
    // The NEC-selected IBM copy reads as the same character as its IBM original.
    EXPECT_EQ(ConvertStringEncoding("\xED\x40", "utf-8"), "\xE7\xBA\x8A");
    EXPECT_EQ(ConvertStringEncoding("\xEE\xEF", "anything"), "\xE2\x85\xB0");
}

TEST(StringEncoding, OneWayMappingsAndDefaultCharacter) {
    const Conversion cases[] = {
        // JIS readings of the Windows characters are written with the Windows codes.
        {"wave dash", "\xE3\x80\x9C", "\x81\x60"},
        {"double vertical line", "\xE2\x80\x96", "\x81\x61"},
        {"minus sign", "\xE2\x88\x92", "\x81\x7C"},
        {"cent, pound, not", "\xC2\xA2\xC2\xA3\xC2\xAC", "\x81\x91\x81\x92\x81\xCA"},
        {"em dash", "\xE2\x80\x94", "\x81\x5C"},
        {"yen sign", "\xC2\xA5", "\\"},
        {"overline", "\xE2\x80\xBE", "~"},
        // No form in code page 932: the default character.
        {"e acute", "caf\xC3\xA9", "caf?"},
        {"hangul", "\xEA\xB0\x80", "?"},
        {"emoji beyond the BMP", "a\xF0\x9F\x98\x80z", "a?z"},
        {"surrogate and overlong forms", "\xED\xA0\x80\xC0\xAF", "??"},
        // The conversion stops at the first zero byte.
        {"zero byte", std::string("\xE3\x82\xA2\0\xE3\x82\xA2", 7), "\x83\x41"},
        {"nothing before the zero byte", std::string("\0abc", 4), ""},
        {"empty", "", ""},
    };
    for (const Conversion& c : cases) EXPECT_EQ(ConvertStringEncoding(c.utf8, "Shift-JIS"), c.cp932) << c.what;
}

TEST(StringEncoding, WhichInputIsConverted) {
    struct Case {
        std::string text, encoding, expected;
    };
    const Case cases[] = {
        {"\xE3\x82\xA2", "shift-jis", "\x83\x41"},
        {"\xE3\x82\xA2", "Shift-JIS", "\x83\x41"},
        {"\xE3\x82\xA2", "shift_jis", "\x83\x41"},
        {"\xE3\x82\xA2", "SHIFT_JIS", "\xE3\x82\xA2"},  // names are compared exactly
        {"\xE3\x82\xA2", "utf-8", "\xE3\x82\xA2"},
        {"\x83\x41", "shift_jis", "\x83\x41"},        // not UTF-8: already Shift-JIS, kept
        {"\x83\x41", "UTF-8", "\xE3\x82\xA2"},        // not UTF-8: read as Shift-JIS
        {"\x81 ", "utf-8", "\xE3\x83\xBB "},          // lead byte with an invalid trail byte
        {"\x81", "utf-8", "\xE3\x83\xBB"},            // lone lead byte at the end
        {"\x85\x40", "utf-8", "\xE3\x83\xBB"},        // a code the code page leaves undefined
        {std::string("\x83\x41\0\x83\x41", 5), "utf-8", "\xE3\x82\xA2"},
        {std::string("a\0b", 3), "utf-8", std::string("a\0b", 3)},  // unconverted text keeps its zero
    };
    for (const Case& c : cases) EXPECT_EQ(ConvertStringEncoding(c.text, c.encoding), c.expected) << c.encoding;
}

}  // namespace
