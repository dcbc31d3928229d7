#include <gtest/gtest.h>

#include <string>

#include "symbologies/registry.h"
#include "symbologies/retail/jp_book.h"
#include "tests/cpp/encode_error_util.h"
#include "tests/cpp/zint_dump.h"

namespace {

using Kind = EncodeErrorKind;

TEST(JpBook, UpperIsbnLowerClassificationAndPrice) {
    // Published book codes (9784003261842 / 1920197009404 = C0197 940 yen; 1921195008574 = C1195
    // 857 yen), check digits recomputed by hand; from 100000 yen the price is 00000. The caption as
    // printed on the books, the ISBN hyphenated from the agency range
    // table.
    const struct {
        const char* text;
        const char* upper;
        const char* lower;
        const char* caption;
    } rows[] = {
        {"ISBN978-4-00-326184-2 C0197 \xC2\xA5" "940E", "9784003261842", "1920197009404",
         "ISBN978-4-00-326184-2 C0197 \xC2\xA5" "940E"},
        {"9784003261842 C1195 \\0857", "9784003261842", "1921195008574", "ISBN978-4-00-326184-2 C1195 \xC2\xA5" "857E"},
        {"4-00-326184-4 c0197 \xEF\xBF\xA5" "940", "9784003261842", "1920197009404",
         "ISBN978-4-00-326184-2 C0197 \xC2\xA5" "940E"},
        {"9784003261842 C0197 120000", "9784003261842", "1920197000005", "ISBN978-4-00-326184-2 C0197 \xC2\xA5" "120000E"},
    };
    for (const auto& row : rows) {
        const JpBookCodes codes = ParseJpBook(row.text);
        EXPECT_EQ(codes.upper, row.upper) << row.text;
        EXPECT_EQ(codes.lower, row.lower) << row.text;
        EXPECT_EQ(codes.caption, row.caption) << row.text;
    }
}

TEST(JpBook, Errors) {
    // Worked by hand; positions are byte offsets (the yen sign has two).
    const struct {
        const char* text;
        Kind kind;
        long position;
    } rows[] = {
        {"9784003261843 C0197 940", Kind::InvalidData, 12},
        {"9784003261842 C01x7 940", Kind::InvalidCharacter, 17},
        {"9784003261842 C0197 \xC2\xA5" "9y0", Kind::InvalidCharacter, 23},
        {"9784003261842", Kind::InvalidData, -1},
        {"9784003261842 C0197", Kind::InvalidData, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ExpectEncodeError([&] { ParseJpBook(row.text); }, row.kind, row.position);
    }
}

TEST(JpBook, RegistryReportsThePositionInCharacters) {
    // Worked by hand: 'y' is the 23rd character, the yen sign counting once.
    ExpectEncodeError([] { Encode("jp-book", "9784003261842 C0197 \xC2\xA5" "9y0", {}); }, Kind::InvalidCharacter, 22);
}

TEST(JpBook, TwoAlignedSymbolsWithAGapRowAndDigitsUnderEach) {
    const EncodedSymbol symbol = Encode("jp-book", "9784003261842 C0197 940", {});
    ASSERT_EQ(symbol.rows.size(), 3u);
    // zint -b 13 -d 9784003261842 / 1920197009404 --dump.
    EXPECT_EQ(ZintDump(symbol.rows[0].modules), "AE C4 9D 1A 9D EA B6 50 CD 22 E6 CA");
    EXPECT_EQ(ZintDump(symbol.rows[2].modules), "A2 C9 A7 32 5C 8A B9 72 E9 73 95 CA");
    EXPECT_EQ(symbol.rows[1].modules, std::vector<uint8_t>(95, 0));
    // 10 mm between the tiers and 11 mm bars at 0.33 mm modules.
    EXPECT_NEAR(symbol.rows[1].height, 30.3, 0.01);
    EXPECT_NEAR(symbol.bar_height, 2 * 33.33, 0.01);
    EXPECT_TRUE(symbol.rows[0].extends.empty());
    ASSERT_EQ(symbol.text.size(), 3u);
    EXPECT_EQ(symbol.text[0].role, TextRole::Caption);
    EXPECT_EQ(symbol.text[0].face, TextFace::Roboto);  // it prints a yen sign
    EXPECT_EQ(symbol.text[1].below_row, 0);
    EXPECT_EQ(symbol.text[2].below_row, 2);
    EXPECT_EQ(symbol.text[2].text, "1920197009404");
}

}  // namespace
