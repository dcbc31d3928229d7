// The encode step behind the registry: what each symbology's EncodedSymbol carries beyond its
// modules (which the per-class tests check), and the typed errors of every family.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "core/text_encoding/utf8.h"
#include "symbologies/registry.h"

namespace {

using Setup = void (*)(EncodeOptions&);

EncodedSymbol EncodeWith(const char* symbology, const std::string& text, Setup setup) {
    EncodeOptions options;
    if (setup) setup(options);
    return Encode(symbology, text, options);
}

struct Layout {
    const char* symbology;
    const char* text;
    Setup setup;
    const char* full_text;
    int width;
    size_t rows;
    double quiet_left, quiet_right;
    double bar_height;
};

// full_text and width: zxing-cpp 2.3 reads full_text back from these modules (drawn at 3 pixels a
// module); Japan Post has no reader: zint 2.15's --dump gives the same three rows. Quiet zones and
// heights: the standards named beside each encoder.
const Layout kLayouts[] = {
    {"code39", "Abc-123", nullptr, "ABC-123", 143, 1, 10, 10, 50},
    {"code93", "ABC-123", nullptr, "ABC-123", 100, 1, 10, 10, 50},
    {"code128", "12345678", [](EncodeOptions& o) { o.mode = "C"; }, "12345678", 79, 1, 10, 10, 50},
    {"gs1-128", "{FNC1}0109501101530003{AI}17251231", nullptr, "(01)09501101530003(17)251231", 178, 1, 10, 10, 50},
    {"gs1-128-convenience", "9191234500000000000000000000000000000000000", nullptr,
     "91912345000000000000000000000000000000000008", 288, 1, 10, 10, 50},
    {"nw7", "12345", nullptr, "C12345C", 93, 1, 10, 10, 50},
    {"itf", "12345", nullptr, "012345", 63, 1, 10, 10, 50},
    {"ean13", "490123456789", nullptr, "4901234567894", 95, 1, 11, 7, 69},
    {"ean8", "4901234", nullptr, "49012347", 67, 1, 7, 7, 55},
    {"upca", "01234567890", nullptr, "012345678905", 95, 1, 9, 9, 69},
    {"upce", "0123456", nullptr, "01234565", 51, 1, 9, 7, 69},
    {"databar", "0950110153000", nullptr, "(01)09501101530003", 96, 1, 0, 0, 33},
    {"databar-stacked", "(01)09501101530003", nullptr, "(01)09501101530003", 50, 3, 0, 0, 13},
    {"databar-stacked-omni", "09501101530003", nullptr, "(01)09501101530003", 50, 5, 0, 0, 66},
    {"databar-limited", "1501234567890", nullptr, "(01)15012345678907", 74, 1, 0, 0, 10},
    {"databar-expanded", "(01)09501101530003(3103)001234", nullptr, "(01)09501101530003(3103)001234", 200, 1, 0,
     0, 34},
    {"databar-expanded-stacked", "(01)09501101530003(10)ABCDEFGH(21)12345678", nullptr,
     "(01)09501101530003(10)ABCDEFGH(21)12345678", 102, 13, 0, 0, 4 * 34},
    {"japanpost", "1234567-89-10a", nullptr, "1234567-89-10A", 133, 3, 4, 4, 0},
    // Postal codes: 2n - 1 modules for n bars; quiet zones the postal figures at X = 1/44 in, rounded up.
    {"imb", "01234567094987654321", nullptr, "01234567094987654321", 129, 3, 6, 6, 0},
    {"postnet", "12345", nullptr, "123455", 63, 2, 6, 6, 0},
    {"planet", "123456789014", nullptr, "123456789014", 123, 2, 6, 6, 0},
    {"rm4scc", "bx11lt1a", nullptr, "BX11LT1AI", 75, 3, 4, 4, 0},
    {"kix", "2500GG30250", nullptr, "2500GG30250", 87, 3, 4, 4, 0},
    {"auspost", "32211324Ab #3", nullptr, "32211324Ab #3", 103, 3, 11, 11, 0},
    {"auspost-redirect", "12345678", nullptr, "12345678", 73, 3, 11, 11, 0},
    {"cepnet", "013110004", nullptr, "013110004", 93, 2, 6, 6, 0},
    {"daft", "fadt", nullptr, "FADT", 7, 3, 4, 4, 0},
    {"fim", "c", nullptr, "C", 17, 1, 4, 4, 0},
    {"leitcode", "21348075016401", nullptr, "21348075016401", 135, 1, 10, 10, 50},
    {"identcode", "56310243031", nullptr, "563102430313", 117, 1, 10, 10, 50},
    {"upu-s10", "ee87654321ca", nullptr, "EE 876 543 216 CA", 156, 1, 10, 10, 50},
    {"dpd", "000393206219912345678101040", nullptr, "0003 932 0621 9912 3456 78 101 040 9", 211, 1, 10, 10, 50},
    {"qr", "Hello \xE4\xB8\x96\xE7\x95\x8C", nullptr, "Hello \xE4\xB8\x96\xE7\x95\x8C", 21, 21, 4, 4, 0},
    // Mixed segments: 21x21, as zint gives.
    {"gs1-qr", "(01)09501101530003(17)251231", nullptr, "(01)09501101530003(17)251231", 21, 21, 4, 4, 0},
    {"datamatrix", "Hello 12345", nullptr, "Hello 12345", 16, 16, 1, 1, 0},
    // 12x26, the smallest area: zint 2.15 (-b 71) picks the same size.
    {"gs1-datamatrix", "(01)09501101530003(17)251231", nullptr, "(01)09501101530003(17)251231", 26, 12, 1, 1, 0},
    {"pdf417", "Hello PDF417 12345678901234567890", nullptr, "Hello PDF417 12345678901234567890", 103, 13, 2, 2, 0},
};

TEST(Encode, FullTextSizeQuietZoneAndHeight) {
    for (const Layout& c : kLayouts) {
        const EncodedSymbol s = EncodeWith(c.symbology, c.text, c.setup);
        EXPECT_EQ(s.full_text, c.full_text) << c.symbology;
        EXPECT_EQ(s.width, c.width) << c.symbology;
        EXPECT_EQ(s.rows.size(), c.rows) << c.symbology;
        for (const SymbolRow& row : s.rows) EXPECT_EQ(row.modules.size(), size_t(c.width)) << c.symbology;
        EXPECT_EQ(s.quiet_zone.left, c.quiet_left) << c.symbology;
        EXPECT_EQ(s.quiet_zone.right, c.quiet_right) << c.symbology;
        EXPECT_EQ(s.bar_height, c.bar_height) << c.symbology;
    }
}

struct Span {
    const char* symbology;
    const char* text;
    size_t index;
    const char* span;
    double center_x;
    double spread_width;
    TextRole role;
    int line;
};

// Retail: zint 2.15 measured and ISO/IEC 15420 (the retail layout fact sheet): digit groups
// over their symbol characters, the EAN-13 leading digit's ink from -9.5 to -5, UPC outer digits 4
// modules wide, 5 before the bars and 4 (UPC-E 2) after them. Others: as the classes print them.
const Span kSpans[] = {
    {"ean13", "490123456789", 0, "4", -7.25, 0, TextRole::Outer, 0},
    {"ean13", "490123456789", 1, "901234", 24, 42, TextRole::Main, 0},
    {"ean13", "490123456789", 2, "567894", 71, 42, TextRole::Main, 0},
    {"ean8", "4901234", 1, "2347", 50, 28, TextRole::Main, 0},
    {"upca", "01234567890", 0, "0", -7, 0, TextRole::Outer, 0},
    {"upca", "01234567890", 1, "12345", 27.5, 35, TextRole::Main, 0},
    {"upca", "01234567890", 3, "5", 101, 0, TextRole::Outer, 0},
    {"upce", "0123456", 1, "123456", 24, 42, TextRole::Main, 0},
    {"upce", "0123456", 2, "5", 55, 0, TextRole::Outer, 0},
    {"code39", "Abc-123", 0, "*Abc-123*", 71.5, 0, TextRole::Main, 0},
    {"nw7", "A12345B", 0, "A12345B", 46.5, 0, TextRole::Main, 0},
    {"gs1-128-convenience", "9191234500000000000000000000000000000000000", 1, "000000-0-000000-8", 144, 288,
     TextRole::Main, 1},
};

TEST(Encode, TextSpans) {
    for (const Span& c : kSpans) {
        const EncodedSymbol s = EncodeWith(c.symbology, c.text, nullptr);
        ASSERT_LT(c.index, s.text.size()) << c.symbology;
        const TextSpan& t = s.text[c.index];
        EXPECT_EQ(t.text, c.span) << c.symbology;
        EXPECT_EQ(t.center_x, c.center_x) << c.symbology << " " << c.span;
        EXPECT_EQ(t.spread_width, c.spread_width) << c.symbology << " " << c.span;
        EXPECT_EQ(t.role, c.role) << c.symbology << " " << c.span;
        EXPECT_EQ(t.line, c.line) << c.symbology << " " << c.span;
    }
}

size_t Count(const std::vector<uint8_t>& v) {
    size_t n = 0;
    for (uint8_t b : v) n += b;
    return n;
}

TEST(Encode, RetailGuardsReachIntoTheText) {
    // Worked by hand: the guards 101, 01010, 101 have 6 bars; UPC-A adds the bars of its first
    // character ('0' in set L, 0001101: 3) and last ('5' in set R, 1001110: 4).
    const EncodedSymbol ean = Encode("ean13", "490123456789", EncodeOptions());
    EXPECT_EQ(Count(ean.rows[0].extends), 6u);
    EXPECT_EQ(ean.guard_descent, 5);
    EXPECT_EQ(ean.face, TextFace::OcrB);
    EXPECT_EQ(Count(Encode("upca", "01234567890", EncodeOptions()).rows[0].extends), 13u);

    EncodeOptions plain;
    plain.extended_guard = false;
    const EncodedSymbol flat = Encode("ean13", "490123456789", plain);
    EXPECT_TRUE(flat.rows[0].extends.empty());
    ASSERT_EQ(flat.text.size(), 2u);  // the code, and the light-margin indicator printed when asked
    EXPECT_EQ(flat.text[0].text, "4901234567894");
    EXPECT_EQ(flat.text[0].center_x, 47.5);
}

struct Failure {
    const char* symbology;
    std::string text;
    Setup setup;
    EncodeErrorKind kind;
    long position;  // in characters of the text
    long capacity;
};

const std::string kDigits(8000, '1');

// Positions and check digits worked by hand; limits as the encoders state them (zint 2.15's
// input limits, version 40 and 144x144 capacities).
const Failure kFailures[] = {
    {"code39", "AB*C", nullptr, EncodeErrorKind::InvalidCharacter, 2, -1},
    {"code39", "ab#", nullptr, EncodeErrorKind::InvalidCharacter, 2, -1},
    // 86 two-byte characters are within the limit, which counts characters.
    {"code39", [] { std::string s; for (int i = 0; i < 86; ++i) s += "\xC3\xA9"; return s; }(), nullptr,
     EncodeErrorKind::InvalidCharacter, 0, -1},
    {"code39", std::string(87, 'A'), nullptr, EncodeErrorKind::TooLong, -1, 86},
    {"code93", "", nullptr, EncodeErrorKind::InvalidData, -1, -1},
    {"code128", "AB\xC3\xA9", nullptr, EncodeErrorKind::InvalidCharacter, 2, -1},
    {"code128", "1234a", [](EncodeOptions& o) { o.mode = "C"; }, EncodeErrorKind::InvalidCharacter, 4, -1},
    {"code128", "12345", [](EncodeOptions& o) { o.mode = "C"; }, EncodeErrorKind::InvalidData, -1, -1},
    {"code128", "1", [](EncodeOptions& o) { o.mode = "D"; }, EncodeErrorKind::InvalidOption, -1, -1},
    {"code128", kDigits.substr(0, 257), nullptr, EncodeErrorKind::TooLong, -1, 256},
    {"gs1-128", "{FNC1}0109501101530004{AI}17251231", nullptr, EncodeErrorKind::InvalidData, 21, -1},
    {"gs1-128", "(01)09501101530003(17)251331", nullptr, EncodeErrorKind::InvalidData, 24, -1},
    {"gs1-128", "(01)0950110153000A", nullptr, EncodeErrorKind::InvalidCharacter, 17, -1},
    {"gs1-128", "(10)\xC3\xA9\xC3\xA9(21)1\xC3\xA9", [](EncodeOptions& o) { o.gs1_validate = false; },
     EncodeErrorKind::InvalidCharacter, 4, -1},
    {"gs1-128-convenience", "{FNC1}91912345000000000000000000000000000000000009", nullptr,
     EncodeErrorKind::InvalidData, 49, -1},
    {"gs1-128-convenience", kDigits.substr(0, 42), nullptr, EncodeErrorKind::InvalidData, -1, -1},
    {"nw7", "A123", nullptr, EncodeErrorKind::InvalidCharacter, 0, -1},
    {"nw7", "12E4", nullptr, EncodeErrorKind::InvalidCharacter, 2, -1},
    {"nw7", "A1B2B", nullptr, EncodeErrorKind::InvalidCharacter, 2, -1},
    {"nw7", "a", nullptr, EncodeErrorKind::InvalidData, -1, -1},
    {"itf", "12a4", nullptr, EncodeErrorKind::InvalidCharacter, 2, -1},
    {"ean13", "4901234567890", nullptr, EncodeErrorKind::InvalidData, 12, -1},
    {"ean13", "49012345678941", nullptr, EncodeErrorKind::TooLong, -1, 13},
    {"upce", "2123456", nullptr, EncodeErrorKind::InvalidData, 0, -1},
    {"databar", "(01)09501101530004", nullptr, EncodeErrorKind::InvalidData, 17, -1},
    {"databar", "0950110153000x", nullptr, EncodeErrorKind::InvalidCharacter, 13, -1},
    {"databar-limited", "2501234567890", nullptr, EncodeErrorKind::InvalidData, 0, -1},
    {"databar-expanded", "(01)09501101530004", nullptr, EncodeErrorKind::InvalidData, 17, -1},
    {"databar-expanded-stacked", "(01)09501101530003", [](EncodeOptions& o) { o.columns = 11; },
     EncodeErrorKind::InvalidOption, -1, -1},
    {"japanpost", "123456", nullptr, EncodeErrorKind::InvalidData, -1, -1},
    {"japanpost", "1234567#", nullptr, EncodeErrorKind::InvalidCharacter, 7, -1},
    {"japanpost", "1234567ABCDEFG", nullptr, EncodeErrorKind::TooLong, -1, 20},
    {"imb", "0123456709498765432", nullptr, EncodeErrorKind::InvalidData, -1, -1},
    {"imb", "0123456709498765432-12345", nullptr, EncodeErrorKind::InvalidCharacter, 19, -1},
    {"imb", "01234567094987654321-1234", nullptr, EncodeErrorKind::InvalidData, -1, -1},
    {"imb", "01234567094987654321-1234x", nullptr, EncodeErrorKind::InvalidCharacter, 25, -1},
    {"imb", "05234567094987654321", nullptr, EncodeErrorKind::InvalidData, 1, -1},
    {"imb", std::string(33, '0'), nullptr, EncodeErrorKind::TooLong, -1, 32},
    {"postnet", "1234", nullptr, EncodeErrorKind::InvalidData, -1, -1},
    {"postnet", "123456", nullptr, EncodeErrorKind::InvalidData, 5, -1},  // check digit 5
    {"postnet", "12-45", nullptr, EncodeErrorKind::InvalidCharacter, 2, -1},
    {"planet", std::string(15, '1'), nullptr, EncodeErrorKind::TooLong, -1, 14},
    {"planet", "12345", nullptr, EncodeErrorKind::InvalidData, -1, -1},
    {"rm4scc", "BX11 LT1A", nullptr, EncodeErrorKind::InvalidCharacter, 4, -1},
    {"kix", std::string(19, '1'), nullptr, EncodeErrorKind::TooLong, -1, 18},
    {"auspost", "1234567", nullptr, EncodeErrorKind::InvalidData, -1, -1},
    {"auspost", "1234x678", nullptr, EncodeErrorKind::InvalidCharacter, 4, -1},
    {"auspost", "12345678AB-CD", nullptr, EncodeErrorKind::InvalidCharacter, 10, -1},
    {"auspost", "1234567812345A78", nullptr, EncodeErrorKind::InvalidCharacter, 13, -1},
    {"auspost-reply", "123456789", nullptr, EncodeErrorKind::TooLong, -1, 8},
    {"auspost-route", "1234567", nullptr, EncodeErrorKind::InvalidData, -1, -1},
    {"cepnet", "013110005", nullptr, EncodeErrorKind::InvalidData, 8, -1},  // check digit 4
    {"daft", "FADX", nullptr, EncodeErrorKind::InvalidCharacter, 3, -1},
    {"daft", std::string(577, 'F'), nullptr, EncodeErrorKind::TooLong, -1, 576},
    {"fim", "F", nullptr, EncodeErrorKind::InvalidCharacter, 0, -1},
    {"fim", "AB", nullptr, EncodeErrorKind::TooLong, -1, 1},
    {"leitcode", "21348075016402", nullptr, EncodeErrorKind::InvalidData, 13, -1},  // check digit 1
    {"leitcode", "213480750164", nullptr, EncodeErrorKind::InvalidData, -1, -1},
    {"identcode", "5631O243031", nullptr, EncodeErrorKind::InvalidCharacter, 4, -1},
    {"upu-s10", "EE876543215CA", nullptr, EncodeErrorKind::InvalidData, 10, -1},  // check digit 6
    {"upu-s10", "JE87654321CA", nullptr, EncodeErrorKind::InvalidData, 0, -1},
    {"upu-s10", "E987654321CA", nullptr, EncodeErrorKind::InvalidCharacter, 1, -1},
    {"upu-s10", "EE8765432CA", nullptr, EncodeErrorKind::InvalidCharacter, 9, -1},
    {"dpd", "%00039320621991234567810104", nullptr, EncodeErrorKind::InvalidData, -1, -1},
    {"dpd", "%0003932062199123456781010-0", nullptr, EncodeErrorKind::InvalidCharacter, 26, -1},
    {"qr", "12a", [](EncodeOptions& o) { o.mode = "numeric"; }, EncodeErrorKind::InvalidCharacter, 2, -1},
    {"qr", "1", [](EncodeOptions& o) { o.error = "X"; }, EncodeErrorKind::InvalidOption, -1, -1},
    // Kanji mode holds double-byte characters alone: 'a' (after one kanji) is refused.
    {"qr", "\xE6\xBC\xA2" "a", [](EncodeOptions& o) { o.mode = "kanji"; }, EncodeErrorKind::InvalidCharacter, 1, -1},
    {"qr", "1", [](EncodeOptions& o) { o.version = 41; }, EncodeErrorKind::InvalidOption, -1, -1},
    {"qr", std::string(2954, 'a'), [](EncodeOptions& o) { o.error = "L"; }, EncodeErrorKind::TooLong, -1, 2953},
    {"qr", kDigits.substr(0, 3058), [](EncodeOptions& o) { o.mode = "numeric"; o.error = "H"; },
     EncodeErrorKind::TooLong, -1, 3057},
    {"qr", kDigits.substr(0, 7090), nullptr, EncodeErrorKind::TooLong, -1, 7089},
    {"gs1-qr", "(01)09501101530004", nullptr, EncodeErrorKind::InvalidData, 17, -1},
    {"datamatrix", "1", [](EncodeOptions& o) { o.size = "11x11"; }, EncodeErrorKind::InvalidOption, -1, -1},
    {"datamatrix", "12345678", [](EncodeOptions& o) { o.size = "10x10"; o.scheme = "ascii"; },
     EncodeErrorKind::TooLong, -1, 3},
    {"datamatrix", std::string(1600, 'a'), [](EncodeOptions& o) { o.scheme = "ascii"; }, EncodeErrorKind::TooLong,
     -1, 1558},
    {"datamatrix", "1", [](EncodeOptions& o) { o.shape = "round"; }, EncodeErrorKind::InvalidOption, -1, -1},
    {"datamatrix", "1", [](EncodeOptions& o) { o.size = "8x18"; o.shape = "square"; }, EncodeErrorKind::InvalidOption,
     -1, -1},
    {"gs1-datamatrix", "(01)09501101530003", [](EncodeOptions& o) { o.size = "10x10"; o.shape = "rectangle"; },
     EncodeErrorKind::InvalidOption, -1, -1},
    // 60 codewords of digit pairs; 16x48 is the largest rectangle.
    {"datamatrix", std::string(120, '1'), [](EncodeOptions& o) { o.shape = "rectangle"; }, EncodeErrorKind::TooLong,
     -1, 49},
    {"datamatrix", std::string(120, '1'), [](EncodeOptions& o) { o.shape = "rectangle"; o.scheme = "ascii"; },
     EncodeErrorKind::TooLong, -1, 49},
    {"gs1-datamatrix", "(01)09501101530004", nullptr, EncodeErrorKind::InvalidData, 17, -1},
    {"pdf417", "1", [](EncodeOptions& o) { o.columns = 31; }, EncodeErrorKind::InvalidOption, -1, -1},
    {"pdf417", std::string(1000, 'x'), [](EncodeOptions& o) { o.columns = 1; o.rows = 3; },
     EncodeErrorKind::TooLong, -1, 3},
    {"pdf417", std::string(2000, 'x'), nullptr, EncodeErrorKind::TooLong, -1, 928},
    {"pdf417", std::string(1000, 'x'), [](EncodeOptions& o) { o.columns = 2; }, EncodeErrorKind::TooLong, -1, 180},
    {"code11", "1", nullptr, EncodeErrorKind::InvalidOption, -1, -1},
};

TEST(Encode, ErrorKindsPositionsAndCapacities) {
    for (const Failure& c : kFailures) {
        try {
            EncodeWith(c.symbology, c.text, c.setup);
            ADD_FAILURE() << c.symbology << " took " << c.text.substr(0, 40);
        } catch (const EncodeError& e) {
            EXPECT_EQ(e.Kind(), c.kind) << c.symbology << " " << c.text.substr(0, 40) << ": " << e.what();
            EXPECT_EQ(e.Position(), c.position) << c.symbology << " " << c.text.substr(0, 40) << ": " << e.what();
            EXPECT_EQ(e.Capacity(), c.capacity) << c.symbology << " " << c.text.substr(0, 40) << ": " << e.what();
        }
    }
}

TEST(Encode, MessagesNameTheSymbologyAndStayUtf8) {
    // The class's message after the name; a lone byte of a character it quotes becomes U+FFFD.
    const auto message = [](const char* symbology, const std::string& text) {
        try {
            Encode(symbology, text, EncodeOptions());
        } catch (const EncodeError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(message("code39", "AB*C"), "code39: Invalid character in CODE39: '*' is reserved for start/stop code");
    EXPECT_EQ(message("code39", "A\xC3\xA9"), "code39: Invalid character in CODE39: \xEF\xBF\xBD");
}

TEST(Encode, EveryNameRefusesTenMegabytesAsTooLong) {
    const std::string huge(10 << 20, '1');
    for (const std::string& name : EncodableSymbologies()) {
        try {
            Encode(name, huge, EncodeOptions());
            ADD_FAILURE() << name;
        } catch (const EncodeError& e) {
            EXPECT_EQ(e.Kind(), EncodeErrorKind::TooLong) << name;
            EXPECT_GT(e.Capacity(), 0) << name;
        }
    }
}

TEST(Encode, NamesInListingOrder) {
    const std::vector<std::string> expected = {
        "code39", "code93", "code128", "gs1-128", "gs1-128-convenience", "nw7", "itf", "itf14", "matrix2of5",
        "nec2of5", "ean13", "ean8", "upca", "upce", "isbn", "issn", "ismn", "jp-book", "databar", "databar-stacked", "databar-stacked-omni", "databar-limited",
        "databar-expanded", "databar-expanded-stacked", "japanpost", "imb", "postnet", "planet", "rm4scc",
        "kix", "auspost", "auspost-reply", "auspost-route", "auspost-redirect", "cepnet",
        "daft", "fim", "leitcode", "identcode", "upu-s10", "dpd", "qr", "gs1-qr", "datamatrix", "gs1-datamatrix",
        "pdf417", "micropdf417"};
    EXPECT_EQ(EncodableSymbologies(), expected);
}

struct Utf8Case {
    std::string text;
    size_t offset;
    size_t index;
};

// Worked by hand: "a" 1 byte, "é" 2, "中" 3, "😀" 4; a stray continuation byte counts as one.
const Utf8Case kUtf8Cases[] = {
    {"a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80", 3, 2},
    {"a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80", 10, 4},
    {"\x80\x80x", 2, 2},
};

TEST(TextEncoding, CodePointIndex) {
    for (const Utf8Case& c : kUtf8Cases) EXPECT_EQ(CodePointIndex(c.text, c.offset), c.index) << c.offset;
}

// Worked by hand: well-formed characters decode; an overlong '/' (C0 AF), a surrogate (ED A0 80)
// and a stray continuation byte are U+FFFD for every byte.
TEST(TextEncoding, CodePointsOfWellFormedCharactersOnly) {
    EXPECT_EQ(Utf8CodePoints("a\xC3\xA9\xF0\x9F\x98\x80"), U"a\u00E9\U0001F600");
    EXPECT_EQ(Utf8CodePoints("\xC0\xAF" "\xED\xA0\x80" "\x80"), std::u32string(6, U'\uFFFD'));
}

}  // namespace

// A wrong check digit says the right one, and messages name no class: the expected digits worked by
// hand with the GS1 modulo-10 rule (ISBN, ISSN, ISMN and GS1 element strings say it already).
struct CheckDigitMessage {
    const char* symbology;
    std::string text;
    const char* message;
};

const CheckDigitMessage kCheckDigitMessages[] = {
    {"ean13", "4901234567890", "ean13: check digit '0' is wrong: expected '4'"},
    {"ean13", "49012345678", "ean13: 12 or 13 digits required, not 11"},
    {"ean8", "49012340", "ean8: check digit '0' is wrong: expected '7'"},
    {"upca", "036000291450", "upca: check digit '0' is wrong: expected '2'"},
    {"upce", "01234560", "upce: check digit '0' is wrong: expected '5'"},
    {"itf14", "15400141288760", "itf14: check digit '0' is wrong: expected '3'"},
    {"gs1-128-convenience", "9191234500000000000000000000000000000000000" "0",
     "gs1-128-convenience: check digit '0' is wrong: expected '8'"},
};

TEST(Encode, CheckDigitMessagesNameTheExpectedDigit) {
    for (const CheckDigitMessage& c : kCheckDigitMessages) {
        try {
            Encode(c.symbology, c.text, EncodeOptions());
            ADD_FAILURE() << c.symbology << " took " << c.text;
        } catch (const EncodeError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.text;
        }
    }
}
