#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "core/render/raster_draw.h"
#include "core/render/render.h"
#include "core/render/symbol_layout.h"
#include "tests/png_round_trip.h"

namespace {

// A decoded PNG as luminance, one byte a pixel.
struct Grey : DecodedPng {
    bool Ink(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)] < 255; }
};

Grey Decode(const std::vector<uint8_t>& png) { return Grey{DecodePng(png, PNG_FORMAT_GRAY)}; }

Grey RenderGrey(const EncodedSymbol& symbol, const RenderOptions& options) {
    return Decode(Render(symbol, options, OutputKind::Png).bytes);
}

EncodedSymbol Linear(const std::string& modules, double bar_height) {
    EncodedSymbol s;
    s.width = int(modules.size());
    s.bar_height = bar_height;
    SymbolRow row;
    for (char c : modules) row.modules.push_back(c == '1');
    s.rows.push_back(row);
    return s;
}

// EAN-13 worked by hand from the L/G/R tables and the first digit's parity (ISO/IEC 15420).
EncodedSymbol Ean13(const std::string& digits) {
    static const char* kL[] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                               "0110001", "0101111", "0111011", "0110111", "0001011"};
    static const char* kParity[] = {"LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG",
                                    "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"};
    auto invert = [](std::string p) {
        for (char& c : p) c = c == '1' ? '0' : '1';
        return p;
    };
    std::string m = "101";
    for (int k = 1; k <= 6; ++k) {
        const std::string l = kL[digits[size_t(k)] - '0'];
        const std::string g = invert(std::string(l.rbegin(), l.rend()));  // G: R (inverted L) reversed
        m += kParity[digits[0] - '0'][k - 1] == 'L' ? l : g;
    }
    m += "01010";
    for (int k = 7; k <= 12; ++k) m += invert(kL[digits[size_t(k)] - '0']);
    m += "101";
    EncodedSymbol s = Linear(m, 69.24);
    s.face = TextFace::OcrB;
    s.guard_descent = 5.0;
    s.quiet_zone = {11, 0, 7, 0};
    s.rows[0].extends.assign(95, 0);
    for (int i : {0, 1, 2, 45, 46, 47, 48, 49, 92, 93, 94}) s.rows[0].extends[size_t(i)] = 1;
    s.text.push_back({digits.substr(0, 1), -7.75, 0, TextRole::Outer, 0.0});
    for (int k = 1; k <= 12; ++k)
        s.text.push_back({digits.substr(size_t(k), 1), (k <= 6 ? 3 + 7 * (k - 1) : 50 + 7 * (k - 7)) + 3.5, 0,
                          TextRole::Main, 0.0});
    return s;
}

struct Box {
    int left, top, right, bottom;  // inclusive
};

// Boxes of the 8-connected ink components that start below `top` (glyphs; bars that reach down
// start at `top` itself).
std::vector<Box> InkComponents(const Grey& g, int top) {
    std::vector<int> seen(g.pixels.size(), 0);
    std::vector<Box> boxes;
    for (int y = top; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            if (!g.Ink(x, y) || seen[size_t(y * g.width + x)]) continue;
            Box b{x, y, x, y};
            std::vector<std::pair<int, int>> stack{{x, y}};
            seen[size_t(y * g.width + x)] = 1;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                b = {std::min(b.left, px), std::min(b.top, py), std::max(b.right, px), std::max(b.bottom, py)};
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = px + dx, ny = py + dy;
                        if (nx < 0 || ny < top || nx >= g.width || ny >= g.height) continue;
                        if (!g.Ink(nx, ny) || seen[size_t(ny * g.width + nx)]) continue;
                        seen[size_t(ny * g.width + nx)] = 1;
                        stack.push_back({nx, ny});
                    }
            }
            if (b.top > top) boxes.push_back(b);
        }
    return boxes;
}

RenderOptions Options(int module_pixels, const EncodedSymbol& s) {
    RenderOptions o;
    o.module_pixels = module_pixels;
    o.quiet_zone = s.quiet_zone;
    return o;
}

// Width depends on the modules and margins alone, height on the bar height (worked by hand).
TEST(Render, WidthAndHeightArithmetic) {
    struct Case {
        int module_pixels;
        double bar_height;
        int bar_height_pixels;
        ModuleMargins quiet;
        int width, height;
    } cases[] = {
        {1, 10, 0, {0, 0, 0, 0}, 11, 10},
        {2, 10, 0, {10, 0, 10, 0}, 62, 20},
        {3, 50, 0, {10, 2, 10, 3}, 93, 165},
        {3, 50, 37, {10, 2, 10, 3}, 93, 52},
        {4, 0.5, 0, {1, 0, 1, 0}, 52, 2},
    };
    const EncodedSymbol s = Linear("10110011101", 20);
    for (const Case& c : cases) {
        RenderOptions o = Options(c.module_pixels, s);
        o.quiet_zone = c.quiet;
        o.bar_height = c.bar_height;
        o.bar_height_pixels = c.bar_height_pixels;
        EXPECT_EQ(RenderedSize(s, o), std::make_pair(c.width, c.height)) << c.module_pixels << " " << c.bar_height;
        const Grey g = RenderGrey(s, o);
        EXPECT_EQ(std::make_pair(g.width, g.height), std::make_pair(c.width, c.height));
    }
}

// Every pixel column is dark exactly where its module is; a reduction narrows each dark run.
TEST(Render, BarsOnTheModuleGrid) {
    const std::string modules = "1101001110001011";
    const EncodedSymbol s = Linear(modules, 5);
    for (int mp = 1; mp <= 4; ++mp)
        for (int reduction = 0; reduction < mp; ++reduction) {
            RenderOptions o = Options(mp, s);
            o.quiet_zone = {3, 0, 2, 0};
            o.bar_width_reduction_pixels = reduction;
            const Grey g = RenderGrey(s, o);
            std::string expected, seen;
            for (int x = 0; x < g.width; ++x) {
                const int m = x / mp - 3, in_module = x % mp;
                bool dark = m >= 0 && m < int(modules.size()) && modules[size_t(m)] == '1';
                // Half the reduction goes from each side; an odd pixel from the right.
                if (dark) {
                    int begin = m, end = m;
                    while (begin > 0 && modules[size_t(begin - 1)] == '1') --begin;
                    while (end < int(modules.size()) && modules[size_t(end)] == '1') ++end;
                    const int from_left = (m - begin) * mp + in_module, to_right = (end - m) * mp - in_module;
                    dark = from_left >= reduction / 2 && to_right > reduction - reduction / 2;
                }
                expected += dark ? '1' : '0';
                seen += g.Ink(x, g.height / 2) ? '1' : '0';
            }
            EXPECT_EQ(seen, expected) << mp << " px, reduction " << reduction;
        }
}

// EAN-13 4901234567894 at 1..8 px per module: guards reaching 5 modules below the bars, and
// thirteen separate OCR-B digits, each centred within a module of its symbol character, none
// touching another or a bar.
TEST(Render, Ean13DigitsClearAndCentred) {
    const EncodedSymbol s = Ean13("4901234567894");
    for (int mp = 1; mp <= 8; ++mp) {
        const RenderOptions o = Options(mp, s);
        const Grey g = RenderGrey(s, o);
        const int bars_bottom = int(69.24 * mp + 0.5);
        // The start guard reaches 5 modules further down; the first data bar (module 6) does not.
        EXPECT_TRUE(g.Ink(11 * mp, bars_bottom + 5 * mp - 1) && !g.Ink(11 * mp, bars_bottom + 5 * mp)) << mp;
        EXPECT_TRUE(g.Ink(17 * mp, bars_bottom - 1) && !g.Ink(17 * mp, bars_bottom)) << mp;
        std::vector<Box> boxes = InkComponents(g, bars_bottom);
        ASSERT_EQ(boxes.size(), 13u) << mp << " px per module";
        // The image ends at the digits: 25.93 mm at X 0.33 mm (22.85 of bars, 0.33 gap, 2.75 digits;
        // GS1 size tables), 78.6 X, within the rounding of the digits to whole pixels.
        EXPECT_EQ(std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
                      return a.bottom < b.bottom;
                  })->bottom, g.height - 1) << mp;
        if (mp >= 4) {
            EXPECT_NEAR(g.height / double(mp), 78.6, 0.5) << mp;
        }
        std::sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.left < b.left; });
        for (size_t i = 0; i < boxes.size(); ++i) {
            const double centre = (boxes[i].left + boxes[i].right + 1) / 2.0 / mp - 11.0;
            EXPECT_NEAR(centre, s.text[i].center_x, 1.0) << mp << " px, digit " << i;
            if (i > 0) {
                EXPECT_GT(boxes[i].left, boxes[i - 1].right + 1) << mp << " px, digit " << i;
            }
        }
    }
}

// One-bit digits past ten pixels are drawn smaller and enlarged, by at most a tenth of their
// height: EAN-13's 8.33 X digits (8, 17, 25, 33, 42, 50, 58, 67 px at 1..8 px per module; steps
// 1, 1.5, 2, 3, 4, 5, 5, 6, worked by hand) fill rows in runs of whole steps, or at 1.5 with
// every second row doubled, so that no two runs of one row follow each other.
TEST(Render, EnlargedDigitRowsRepeat) {
    const EncodedSymbol s = Ean13("4901234567894");
    for (int mp = 1; mp <= 8; ++mp) {
        const Grey g = RenderGrey(s, Options(mp, s));
        const std::vector<Box> boxes = InkComponents(g, int(69.24 * mp + 0.5));
        ASSERT_FALSE(boxes.empty()) << mp;
        const int digit = int(8.33 * mp + 0.5);
        const int step = std::max(1, digit / 10);
        const bool half_again = step == 1 && digit >= 15;
        for (const Box& b : boxes) {
            auto row = [&](int y) {
                const auto begin = g.pixels.begin() + y * g.width;
                return std::vector<uint8_t>(begin + b.left, begin + b.right + 1);
            };
            int run_before = 0;
            for (int y = b.top; y <= b.bottom;) {
                int end = y + 1;
                while (end <= b.bottom && row(end) == row(y)) ++end;
                EXPECT_EQ((end - y) % step, 0) << mp << " px, row " << y;
                if (half_again) {
                    EXPECT_FALSE(run_before == 1 && end - y == 1) << mp << " px, row " << y;
                }
                run_before = end - y;
                y = end;
            }
        }
    }
}

// Text in whole pixels keeps an EAN-13 with its digits black and white: a one-bit grey PNG (IHDR
// depth 1, colour type 0) whose pixels are only 0 and 255. Smoothed text brings greys between.
TEST(Render, TextTwoColoursUnlessSmoothed) {
    const EncodedSymbol s = Ean13("4901234567894");
    for (const bool smooth : {false, true}) {
        RenderOptions o = Options(3, s);
        o.text_antialias = smooth;
        const std::vector<uint8_t> png = Render(s, o, OutputKind::Png).bytes;
        const Grey g = Decode(png);
        const bool two = std::all_of(g.pixels.begin(), g.pixels.end(), [](uint8_t v) { return v == 0 || v == 255; });
        EXPECT_EQ(two, !smooth) << smooth;
        if (!smooth) {
            EXPECT_TRUE(png[24] == 1 && png[25] == 0);
        }
    }
}

// A two-colour draw goes one bit a pixel: its PNG holds the RGBA drawing's pixels exactly, over
// fractional bar-width reductions, glyphs, quarter turns and the colour pairs that give one-bit grey
// or a palette with either colour first.
TEST(Render, OneBitDrawingHoldsTheRgbaPixels) {
    EncodedSymbol matrix = Linear("1101001", 1);
    matrix.shape = SymbolShape::Matrix;
    matrix.quiet_zone = {2, 2, 2, 2};
    for (int r = 0; r < 6; ++r) {
        SymbolRow row = matrix.rows[0];
        std::rotate(row.modules.begin(), row.modules.begin() + r, row.modules.end());
        row.height = 1 + r % 2;
        matrix.rows.push_back(row);
    }
    const EncodedSymbol symbols[] = {Ean13("4901234567894"), matrix};
    const Rgba black{0, 0, 0, 255}, white{255, 255, 255, 255};
    const std::pair<Rgba, Rgba> colours[] = {
        {black, white}, {white, black}, {{20, 40, 200, 255}, {255, 255, 0, 128}}, {{20, 40, 200, 255}, {255, 0, 0, 0}}};
    for (const EncodedSymbol& s : symbols)
        for (const int pixels : {1, 2, 3})
            for (const int rotate : {0, 90, 180, 270})
                for (const double reduction : {0.0, 0.6})
                    for (const auto& [ink, paper] : colours) {
                        RenderOptions o = Options(pixels, s);
                        o.rotate = rotate;
                        o.bar_width_reduction_pixels = reduction;
                        o.foreground = ink;
                        o.background = paper;
                        ASSERT_TRUE(DrawsInTwoColours(o));
                        const RasterCanvas rgba = DrawRgba(LayOutSymbol(s, o), o);
                        const DecodedPng png = DecodePng(Render(s, o, OutputKind::Png).bytes);
                        ASSERT_FALSE(png.pixels.empty());
                        ASSERT_EQ(png.width, rgba.Width());
                        ASSERT_EQ(png.height, rgba.Height());
                        EXPECT_EQ(std::memcmp(png.pixels.data(), rgba.Pixels(), png.pixels.size()), 0)
                            << pixels << " px, " << rotate << " deg, " << reduction << ", ink " << int(ink.r);
                    }
}

// Quarter turns swap the sides; a turned image holds the same pixels (worked by hand).
TEST(Render, Rotation) {
    EncodedSymbol s = Linear("1101", 3);
    for (int rotate : {0, 90, 180, 270}) {
        RenderOptions o = Options(2, s);
        o.quiet_zone = {1, 0, 0, 1};
        const Grey plain = RenderGrey(s, o);
        o.rotate = rotate;
        const Grey turned = RenderGrey(s, o);
        const bool swap = rotate % 180 != 0;
        ASSERT_EQ(turned.width, swap ? plain.height : plain.width);
        EXPECT_EQ(RenderedSize(s, o), std::make_pair(turned.width, turned.height));
        for (int y = 0; y < plain.height; ++y)
            for (int x = 0; x < plain.width; ++x) {
                const int tx = rotate == 90 ? plain.height - 1 - y : rotate == 180 ? plain.width - 1 - x : rotate == 270 ? y : x;
                const int ty = rotate == 90 ? x : rotate == 180 ? plain.height - 1 - y : rotate == 270 ? plain.width - 1 - x : y;
                ASSERT_EQ(plain.Ink(x, y), turned.Ink(tx, ty)) << rotate << " at " << x << "," << y;
            }
    }
}

// A frame of bearer bars 2 modules thick outside the quiet zones; top and bottom bars across.
TEST(Render, BearerFrame) {
    EncodedSymbol s = Linear("101", 4);
    s.bearer = {BearerKind::Frame, 2.0};
    RenderOptions o = Options(1, s);
    o.quiet_zone = {3, 0, 3, 0};
    const Grey g = RenderGrey(s, o);
    std::vector<std::string> rows;
    for (int y = 0; y < g.height; ++y) {
        std::string row;
        for (int x = 0; x < g.width; ++x) row += g.Ink(x, y) ? '1' : '0';
        rows.push_back(row);
    }
    // Columns: frame 2, quiet zone 3, modules 101, quiet zone 3, frame 2.
    const std::vector<std::string> want = {"1111111111111", "1111111111111", "1100010100011", "1100010100011",
                                           "1100010100011", "1100010100011", "1111111111111", "1111111111111"};
    EXPECT_EQ(rows, want);
    // The same frame as shapes: no two overlap, so an even-odd fill (svglib) leaves no notch.
    const std::vector<DarkRect> dark = LayOutSymbol(s, o).dark;
    for (size_t i = 0; i < dark.size(); ++i)
        for (size_t j = i + 1; j < dark.size(); ++j) {
            const DarkRect &a = dark[i], &b = dark[j];
            EXPECT_FALSE(a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h)
                << i << " overlaps " << j;
        }
}

}  // namespace

namespace {

EncodedSymbol Matrix(const std::vector<std::string>& rows) {
    EncodedSymbol s;
    s.shape = SymbolShape::Matrix;
    s.width = int(rows[0].size());
    for (const std::string& r : rows) {
        SymbolRow row;
        row.height = 1.0;
        for (char c : r) row.modules.push_back(c == '1');
        s.rows.push_back(row);
    }
    return s;
}

std::string Svg(const EncodedSymbol& s, const RenderOptions& o) {
    const auto bytes = Render(s, o, OutputKind::Svg).bytes;
    return std::string(bytes.begin(), bytes.end());
}

// A ring of modules with a quiet zone of one: two rows and two columns of lines of one module's
// stroke, the last row running on over the drawn corner (worked by hand); user units are
// modules, the size pixels or millimetres.
TEST(Render, SvgOfASmallMatrix) {
    const EncodedSymbol s = Matrix({"111", "101", "111"});
    RenderOptions o;
    o.module_pixels = 4;
    o.quiet_zone = {1, 1, 1, 1};
    EXPECT_EQ(Svg(s, o),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"20\" viewBox=\"0 0 5 5\">\n"
              "<rect width=\"5\" height=\"5\" fill=\"#fff\"/>\n"
              "<path shape-rendering=\"crispEdges\" stroke=\"#000\" d=\"M1 1.5h3M1.5 2v2m2-2v2M2 3.5h2\"/>\n"
              "</svg>\n");
    o.dpi = 254;  // 10 pixels a millimetre
    EXPECT_NE(Svg(s, o).find("width=\"2mm\" height=\"2mm\" viewBox=\"0 0 5 5\""), std::string::npos);
    o.module_mm = 0.5;  // exact, whatever the pixels
    EXPECT_NE(Svg(s, o).find("width=\"2.5mm\" height=\"2.5mm\" viewBox=\"0 0 5 5\""), std::string::npos);
}

EncodeErrorKind ErrorOf(const EncodedSymbol& s, const RenderOptions& o, OutputKind kind) {
    try {
        Render(s, o, kind);
    } catch (const EncodeError& e) {
        return e.Kind();
    }
    return EncodeErrorKind(-1);
}

// Settings that cannot be honoured raise, before any pixel is allocated.
TEST(Render, Refusals) {
    const EncodedSymbol s = Ean13("4901234567894");
    struct Case {
        const char* what;
        void (*set)(RenderOptions&);
        OutputKind kind;
        EncodeErrorKind error;
    } cases[] = {
        {"pixels over the limit", [](RenderOptions& o) { o.max_pixels = 1000; }, OutputKind::Png, EncodeErrorKind::TooLarge},
        {"JPEG over 65535 wide", [](RenderOptions& o) { o.module_pixels = 600; o.max_pixels = 1LL << 40; o.show_text = false; o.bar_height = 0.01; },
         OutputKind::Jpeg, EncodeErrorKind::TooLarge},
        {"no such font file", [](RenderOptions& o) { o.font = "/nonexistent/font.ttf"; }, OutputKind::Png, EncodeErrorKind::InvalidOption},
        {"millimetres without a scale", [](RenderOptions& o) { o.text_size_mm = 2.75; }, OutputKind::Png, EncodeErrorKind::InvalidOption},
        {"text larger than a glyph can be", [](RenderOptions& o) { o.dpi = 300; o.text_size_mm = 1000; }, OutputKind::Svg, EncodeErrorKind::TooLarge},
        {"text too large for the digits' room", [](RenderOptions& o) { o.dpi = 300; o.text_size_mm = 20; }, OutputKind::Svg, EncodeErrorKind::InvalidOption},
        {"a character the font lacks", [](RenderOptions& o) { o.replace_text = true; o.text = "\xE6\x97\xA5"; }, OutputKind::Svg, EncodeErrorKind::InvalidOption},
        {"rotation not a quarter turn", [](RenderOptions& o) { o.rotate = 45; }, OutputKind::Svg, EncodeErrorKind::InvalidOption},
        {"reduction wider than a module", [](RenderOptions& o) { o.bar_width_reduction_pixels = 2; }, OutputKind::Png, EncodeErrorKind::InvalidOption},
    };
    for (const Case& c : cases) {
        RenderOptions o = Options(2, s);
        c.set(o);
        EXPECT_EQ(int(ErrorOf(s, o, c.kind)), int(c.error)) << c.what;
    }
}

// A span with its own face takes its glyphs from that face: the yen sign OCR-B lacks prints in
// Roboto beside OCR-B digits (SVG glyph ids name their face, "o" or "r"); a font the caller
// chooses prints every span, and OCR-B refuses the yen.
TEST(Render, SpanWithItsOwnFace) {
    EncodedSymbol s = Linear(std::string(40, '0'), 10);
    s.face = TextFace::OcrB;
    s.text.push_back({"1", 20.0, 0, TextRole::Main, 0.0});
    TextSpan yen{"\xC2\xA5", 20.0, 0, TextRole::Caption, 0.0};
    yen.face = TextFace::Roboto;
    s.text.push_back(yen);
    RenderOptions o = Options(4, s);
    const std::string svg = Svg(s, o);
    EXPECT_NE(svg.find("id=\"bqo31_"), std::string::npos);
    EXPECT_NE(svg.find("id=\"bqrA5_"), std::string::npos);
    o.font = "ocr-b";
    EXPECT_EQ(int(ErrorOf(s, o, OutputKind::Png)), int(EncodeErrorKind::InvalidOption));
}

}  // namespace

namespace {

// A Roboto line under, above or instead of the bars' own text: separate glyphs at 1..8 px per
// module ("Hello World": ten glyphs of one stroke each), on the side asked, clear of the bars.
TEST(Render, TextLinePlacement) {
    struct Case {
        TextRole role;
        TextPosition position;
        bool show;
        const char* replacement;
        size_t glyphs;
    } cases[] = {
        {TextRole::Main, TextPosition::Below, true, nullptr, 10},
        {TextRole::Main, TextPosition::Above, true, nullptr, 10},
        {TextRole::Caption, TextPosition::Above, true, nullptr, 10},  // captions stand above, always
        {TextRole::Main, TextPosition::Below, true, "HW", 2},
        {TextRole::Main, TextPosition::Below, false, nullptr, 0},
    };
    for (const Case& c : cases)
        for (int mp = 1; mp <= 8; ++mp) {
            EncodedSymbol s = Linear("1" + std::string(119, '0'), 20);
            s.text.push_back({"Hello World", 60.0, 0, c.role, 0.0});
            RenderOptions o = Options(mp, s);
            o.text_position = c.position;
            o.show_text = c.show;
            o.replace_text = c.replacement != nullptr;
            if (c.replacement) o.text = c.replacement;
            const Grey g = RenderGrey(s, o);
            // The one bar is the first column; the text is the ink in the others.
            int bars_top = g.height, bars_bottom = -1;
            for (int y = 0; y < g.height; ++y)
                if (g.Ink(0, y)) bars_top = std::min(bars_top, y), bars_bottom = y;
            ASSERT_EQ(bars_bottom - bars_top + 1, 20 * mp);
            // The text alone, under a light row of its own: text above the bars stands at the image's top.
            Grey right = g;
            right.pixels.insert(right.pixels.begin(), size_t(g.width), 255);
            ++right.height;
            for (int y = 1; y < right.height; ++y)
                for (int x = 0; x < mp; ++x) right.pixels[size_t(y * g.width + x)] = 255;
            std::vector<Box> boxes = InkComponents(right, 0);
            EXPECT_EQ(boxes.size(), c.glyphs) << mp << " px per module";
            for (const Box& b : boxes) {
                const bool below = b.top - 1 > bars_bottom + 1, above = b.bottom - 1 < bars_top - 1;
                EXPECT_TRUE(c.position == TextPosition::Below ? below : above) << mp << " px per module";
            }
            if (!c.show) {
                EXPECT_EQ(g.height, 20 * mp);
            }
        }
}

// Two lines of one text band stack under the bars in line order (worked by hand: "A" on line 0,
// "B" on line 1; each glyph's ink wholly below the other line's).
TEST(Render, TextLinesStack) {
    EncodedSymbol s = Linear(std::string(20, '0'), 10);
    s.text.push_back({"B", 10.0, 0, TextRole::Main, 0.0, 1});
    s.text.push_back({"A", 10.0, 0, TextRole::Main, 0.0, 0});
    for (int mp = 2; mp <= 6; mp += 2) {
        const std::vector<Box> boxes = InkComponents(RenderGrey(s, Options(mp, s)), 10 * mp);
        ASSERT_EQ(boxes.size(), 2u) << mp << " px per module";
        EXPECT_LT(boxes[0].bottom, boxes[1].top) << mp << " px per module";  // found top down: A, then B
    }
}

// A spread span puts each character in the middle of its share of the width (worked by hand:
// "ABCD" over modules 10..50, centres 15, 25, 35, 45).
TEST(Render, SpreadSpan) {
    EncodedSymbol s = Linear(std::string(60, '0'), 10);
    s.text.push_back({"ABCD", 30.0, 0, TextRole::Main, 40.0});
    for (int mp = 1; mp <= 8; ++mp) {
        const Grey g = RenderGrey(s, Options(mp, s));
        std::vector<Box> boxes = InkComponents(g, 10 * mp);
        ASSERT_EQ(boxes.size(), 4u) << mp << " px per module";
        std::sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.left < b.left; });
        for (size_t i = 0; i < 4; ++i)
            EXPECT_NEAR((boxes[i].left + boxes[i].right + 1) / 2.0 / mp, 15.0 + 10.0 * double(i), 1.0) << mp << " px";
    }
}

}  // namespace
