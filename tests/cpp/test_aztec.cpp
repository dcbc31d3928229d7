#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ecc/binary_field.h"
#include "encode_error_util.h"
#include "symbologies/aztec/aztec_symbol.h"
#include "symbologies/aztec/aztec_text.h"
#include "symbologies/registry.h"
#include "zint_dump.h"
#include "zint_rows.h"

namespace {

std::string BitsOf(const std::vector<int>& items) {
    std::vector<uint8_t> bits;
    AppendAztecItems(bits, items);
    std::string text;
    for (const uint8_t b : bits) text += char('0' + b);
    return text;
}

std::vector<int> ItemsOf(const std::string& bytes) {
    std::vector<int> items;
    for (const char c : bytes) items.push_back(uint8_t(c));
    return items;
}

TEST(AztecText, FewestBits) {
    struct Case {
        std::vector<int> items;
        std::string bits;
    };
    // Worked by hand from the mode tables (spaces between codes).
    const Case cases[] = {
        {ItemsOf("A"), "00010"},
        {ItemsOf("a"), "11100 00010"},                       // L/L a
        {ItemsOf("12"), "11110 0011 0100"},                  // D/L 1 2
        {ItemsOf("."), "11110 1101"},                        // D/L . beats P/S . by a bit
        {ItemsOf(". "), "00000 00011"},                      // P/S ". " as one code
        {ItemsOf("\r\n"), "00000 00010"},                    // P/S CR LF
        {ItemsOf("\x80"), "11111 00001 10000000"},           // B/S, 1 byte
        {ItemsOf("aB"), "11100 00010 11100 00011"},          // L/L a U/S B
        {ItemsOf("abCD"), "11100 00010 00011 11110 1110 00100 00101"},  // Lower to Upper through Digit
        {{kAztecFnc1, '1'}, "11110 0000 00000 000 0011"},    // D/L P/S FLG(0) 1
        {{kAztecEciItem + 26, 'A'}, "00000 00000 010 0100 1000 00010"},  // P/S FLG(2) 2 6 A
        // 32 bytes cost a bit less as two short runs; from 63 one long B/S (0, then the length
        // less 31 in 11 bits) beats three short ones.
        {ItemsOf(std::string(63, '\xFF')), "11111 00000 00000100000" + [] {
             std::string s;
             for (int i = 0; i < 63; ++i) s += "11111111";
             return s;
         }()},
    };
    for (const Case& c : cases) {
        std::string expected;
        for (const char b : c.bits)
            if (b != ' ') expected += b;
        EXPECT_EQ(BitsOf(c.items), expected) << c.bits;
    }
}

TEST(AztecWords, Stuffing) {
    struct Case {
        std::string bits;
        int word_bits;
        std::vector<uint16_t> words;
    };
    // Worked by hand.
    const Case cases[] = {
        {"00010", 6, {5}},               // padded with a one
        {"10", 6, {47}},                 // padded with ones
        {"00000", 6, {1}},               // five zeros take a stuffed one
        {"111111", 6, {62, 62}},         // five ones take a stuffed zero; the last word also ends in 0
        {"0001001", 6, {4, 62}},         // the padded last word would be all ones
        {"0000000011111111", 8, {1, 127, 254}},  // seven zeros take a one; seven ones a zero
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bits;
        for (const char b : c.bits) bits.push_back(uint8_t(b - '0'));
        EXPECT_EQ(AztecDataWords(bits, c.word_bits), c.words) << c.bits;
    }
}

TEST(AztecSizes, Table) {
    struct Case {
        AztecSize size;
        int modules;
        int word_bits;
        int total_words;
    };
    // Widths: zint 2.15 --vers gives the same; words worked by hand (bits of the layers / word size).
    const Case cases[] = {
        {{true, 1}, 15, 6, 17},  {{true, 4}, 27, 8, 76},      {{false, 1}, 19, 6, 21},
        {{false, 4}, 31, 8, 88}, {{false, 5}, 37, 8, 120},    {{false, 22}, 109, 10, 1020},
        {{false, 23}, 113, 12, 920}, {{false, 32}, 151, 12, 1664},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.size.Modules(), c.modules) << c.size.layers;
        EXPECT_EQ(c.size.WordBits(), c.word_bits) << c.size.layers;
        EXPECT_EQ(c.size.TotalWords(), c.total_words) << c.size.layers;
    }
}

TEST(AztecCheckWords, VanishAtTheGeneratorRoots) {
    // c(2^i) = 0 for i = 1..n in each of the five fields, for data and check words together.
    const BinaryField fields[] = {{4, 0x13}, {6, 0x43}, {8, 0x12D}, {10, 0x409}, {12, 0x1069}};
    for (const BinaryField& field : fields) {
        std::vector<uint16_t> word;
        for (int i = 0; i < 9; ++i) word.push_back(uint16_t((i * 37 + 5) % field.Size()));
        const std::vector<uint16_t> check = field.CheckWords(word, 6);
        word.insert(word.end(), check.begin(), check.end());
        for (int i = 1; i <= 6; ++i) {
            uint16_t sum = 0;
            for (const uint16_t c : word) sum = uint16_t(field.Multiply(sum, field.Exp(i)) ^ c);
            EXPECT_EQ(sum, 0) << field.Size() << " root " << i;
        }
    }
}

EncodeOptions With(void (*set)(EncodeOptions&)) {
    EncodeOptions options;
    set(options);
    return options;
}

TEST(AztecSymbol, SameModulesAsZint) {
    // zint 2.15 --dump, pasted: the same modules.
    const std::vector<std::string> hello = {"25 76", "74 E4", "30 4C", "FF F8", "D0 12", "17 D8", "34 56", "D5 5A",
                                            "14 54", "D7 D0", "50 16", "5F FE", "8E E2", "88 5E", "84 1E"};
    const std::vector<std::string> rune25 = {"EC A", "FF E", "40 6", "5F 6", "51 4", "D5 6",
                                             "D1 6", "DF 4", "C0 6", "7F E", "24 0"};
    for (const auto& [symbology, data, rows] :
         {std::tuple{"aztec", "Hello", hello}, std::tuple{"aztec-rune", "25", rune25}}) {
        std::vector<std::string> ours;
        for (const SymbolRow& row : Encode(symbology, data, {}).rows) ours.push_back(ZintDump(row.modules));
        EXPECT_EQ(ours, rows) << symbology;
    }
}

TEST(AztecSymbol, SameModulesAsZintLive) {
    if (!HaveZint()) GTEST_SKIP() << "zint is the oracle";
    struct Case {
        std::string zint;
        std::string data;
        EncodeOptions options;
        std::string symbology = "aztec";
    };
    // zint 2.15 --dump gives the same modules for each; where several encodations take the fewest
    // bits the choice may differ (GS1 separators: FLG(0) here, zint's choice elsewhere), so the
    // rows are of data with one shortest encodation.
    const Case cases[] = {
        {"-b AZTEC", "HELLO WORLD", {}},
        {"-b AZTEC", "1234567890", {}},
        {"-b AZTEC", std::string(60, 'A'), {}},                           // compact, 4 layers
        {"-b AZTEC", std::string(200, 'A'), {}},                          // full-range, 7 layers
        {"-b AZTEC", std::string(1000, '7'), {}},                         // 16 layers, grid lines
        {"-b AZTEC", std::string(1800, 'A'), {}},                         // 12-bit words
        {"-b AZTEC --init", "Hello", With([](EncodeOptions& o) { o.reader_init = true; })},
        {"-b AZTEC --init", std::string(300, 'a'), With([](EncodeOptions& o) { o.reader_init = true; })},
        // Past one compact layer, reader initialisation takes full-range symbols.
        {"-b AZTEC --init", "Reader init xxxxxxxxxxxxxxxxxxxx", With([](EncodeOptions& o) { o.reader_init = true; })},
        {"-b AZTEC --eci=7", "\xD0\x9F\xD1\x80\xD0\xB8", With([](EncodeOptions& o) { o.eci = 7; })},
        {"-b AZTEC --eci=26", "\xD0\x9F\xD1\x80\xD0\xB8", {}},              // not ISO-8859-1: UTF-8, ECI 26
        {"-b AZTEC --structapp=2,3,MSG", "HELLO",
         With([](EncodeOptions& o) { o.structured_append = "2,3,MSG"; })},
        {"-b AZTEC --structapp=1,2 --eci=26", "\xD0\x9F\xD1\x80\xD0\xB8",  // the ECI after the header
         With([](EncodeOptions& o) { o.structured_append = "1,2"; })},
        {"-b AZTEC --structapp=1,26", "HELLO", With([](EncodeOptions& o) { o.structured_append = "1,26"; })},
        {"-b AZTEC --vers=10", "HELLO", With([](EncodeOptions& o) { o.layers = 6; })},
        {"-b AZTEC --vers=3", "HELLO", With([](EncodeOptions& o) { o.layers = 3; })},
        {"-b AZTEC --vers=6", "HELLO", With([](EncodeOptions& o) { o.layers = 2; o.compact = false; })},
        {"-b AZTEC --secure=4", "HELLO WORLD", With([](EncodeOptions& o) { o.error_percent = 50; })},
        {"-b AZRUNE", "0", {}, "aztec-rune"},
        {"-b AZRUNE", "255", {}, "aztec-rune"},
    };
    for (const Case& c : cases) {
        const auto theirs = ZintRowsOf(c.zint, c.data);
        ASSERT_TRUE(theirs.has_value() && !theirs->empty()) << c.zint;
        std::vector<std::string> ours = ModuleRows(Encode(c.symbology, c.data, c.options));
        for (std::string& row : ours) row.resize((*theirs)[0].size(), '0');  // zint pads to whole hex digits
        EXPECT_EQ(ours, *theirs) << c.zint << " " << c.data.substr(0, 20);
    }
}

TEST(AztecSymbol, Refusals) {
    struct Case {
        std::string symbology;
        std::string data;
        EncodeOptions options;
        EncodeErrorKind kind;
        std::string message;
    };
    const Case cases[] = {
        {"aztec", std::string(40, 'a'), With([](EncodeOptions& o) { o.layers = 1; o.compact = true; }),
         EncodeErrorKind::TooLong,
         "aztec: the data needs 35 words of 6 bits; 1 layer (compact) holds 11 with error_percent 23"},
        {"aztec", std::string(2000, '\xC3'), {}, EncodeErrorKind::TooLong,
         "aztec: the data needs 1336 words of 12 bits; 32 layers (full-range) hold 1279 with error_percent 23"},
        {"aztec", std::string(200, 'a'), With([](EncodeOptions& o) { o.reader_init = true; o.compact = true; }),
         EncodeErrorKind::TooLong,
         "aztec: the data needs 168 words of 6 bits; 1 layer (compact) holds 11 with error_percent 23 and reader_init"},
        {"aztec", "A", With([](EncodeOptions& o) { o.reader_init = true; o.layers = 23; }),
         EncodeErrorKind::InvalidOption,
         "aztec: reader_init takes a compact symbol of 1 layer or a full-range one of up to 22 layers"},
        {"aztec", "A", With([](EncodeOptions& o) { o.error_percent = 4; }), EncodeErrorKind::InvalidOption,
         "aztec: error_percent 4 is not 5 to 90"},
        {"aztec", "A", With([](EncodeOptions& o) { o.layers = 5; o.compact = true; }), EncodeErrorKind::InvalidOption,
         "aztec: layers 5 is not 1 to 4 (compact) or 0 (automatic)"},
        {"aztec", "A", With([](EncodeOptions& o) { o.layers = 33; }), EncodeErrorKind::InvalidOption,
         "aztec: layers 33 is not 1 to 32 or 0 (automatic)"},
        {"aztec", "A", With([](EncodeOptions& o) { o.structured_append = "1,27"; }),
         EncodeErrorKind::InvalidOption, "aztec: structured_append count \"27\" is not 2 to 26 symbols"},
        {"aztec", "A", With([](EncodeOptions& o) { o.structured_append = "4,3"; }),
         EncodeErrorKind::InvalidOption, "aztec: structured_append index \"4\" is not 1 to 3"},
        {"aztec", "A", With([](EncodeOptions& o) { o.structured_append = "1;3"; }), EncodeErrorKind::InvalidOption,
         "aztec: structured_append \"1;3\" is not INDEX,COUNT or INDEX,COUNT,ID"},
        {"aztec", "A", With([](EncodeOptions& o) { o.structured_append = "1,3,A B"; }),
         EncodeErrorKind::InvalidOption,
         "aztec: structured_append id takes printable ASCII characters other than space"},
        {"aztec-rune", "256", {}, EncodeErrorKind::InvalidData, "aztec-rune: a rune is a number 0 to 255, not \"256\""},
        {"aztec-rune", "2a", {}, EncodeErrorKind::InvalidCharacter,
         "aztec-rune: a rune is a number 0 to 255, not \"2a\""},
    };
    for (const Case& c : cases) {
        try {
            Encode(c.symbology, c.data, c.options);
            ADD_FAILURE() << c.message;
        } catch (const EncodeError& e) {
            EXPECT_EQ(e.Kind(), c.kind) << c.message;
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    // An ECI's set must hold every character: the first one it lacks is named.
    ExpectEncodeError([] { Encode("aztec", "ab\xE6\x97\xA5", With([](EncodeOptions& o) { o.eci = 7; })); },
                      EncodeErrorKind::InvalidCharacter, 2);
}

}  // namespace
