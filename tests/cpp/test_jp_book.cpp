#include <gtest/gtest.h>

#include <string>

#include "core/model/encode_error.h"
#include "symbologies/retail/jp_book.h"
#include "tests/cpp/zint_dump.h"

namespace {

struct JpBookCase {
    std::string text;
    std::string upper;
    std::string lower;
};

class JpBookCodesTable : public ::testing::TestWithParam<JpBookCase> {};

TEST_P(JpBookCodesTable, UpperIsbnLowerClassificationAndPrice) {
    const JpBookCodes codes = ParseJpBook(GetParam().text);
    EXPECT_EQ(codes.upper, GetParam().upper);
    EXPECT_EQ(codes.lower, GetParam().lower);
}

// Published book codes (9784003261842 / 1920197009404 = C0197 940 yen; 1921195008574 = C1195 857 yen),
// check digits recomputed by hand; from 100000 yen the price is 00000.
INSTANTIATE_TEST_SUITE_P(
    Table, JpBookCodesTable,
    ::testing::Values(JpBookCase{"ISBN978-4-00-326184-2 C0197 \xC2\xA5" "940E", "9784003261842", "1920197009404"},
                      JpBookCase{"9784003261842 C1195 \\857", "9784003261842", "1921195008574"},
                      JpBookCase{"4-00-326184-4 c0197 \xEF\xBF\xA5" "940", "9784003261842", "1920197009404"},
                      JpBookCase{"9784003261842 C0197 120000", "9784003261842", "1920197000005"}));

struct ErrorCase {
    std::string text;
    EncodeErrorKind kind;
    long position;
};

class JpBookErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(JpBookErrors, KindAndPosition) {
    try {
        ParseJpBook(GetParam().text);
        ADD_FAILURE() << "no error";
    } catch (const EncodeError& e) {
        EXPECT_EQ(e.Kind(), GetParam().kind);
        EXPECT_EQ(e.Position(), GetParam().position);
    }
}

// Worked by hand; the yen sign counts as one character.
INSTANTIATE_TEST_SUITE_P(
    Table, JpBookErrors,
    ::testing::Values(ErrorCase{"9784003261843 C0197 940", EncodeErrorKind::InvalidData, 12},
                      ErrorCase{"9784003261842 C01x7 940", EncodeErrorKind::InvalidCharacter, 17},
                      ErrorCase{"9784003261842 C0197 \xC2\xA5" "9y0", EncodeErrorKind::InvalidCharacter, 22},
                      ErrorCase{"9784003261842", EncodeErrorKind::InvalidData, -1},
                      ErrorCase{"9784003261842 C0197", EncodeErrorKind::InvalidData, -1}));

TEST(JpBook, TwoAlignedSymbolsWithAGapRowAndDigitsUnderEach) {
    const EncodedSymbol symbol = EncodeJpBook("9784003261842 C0197 940");
    ASSERT_EQ(symbol.rows.size(), 3u);
    // zint -b 13 -d 9784003261842 / 1920197009404 --dump.
    EXPECT_EQ(ZintDump(symbol.rows[0].modules), "AE C4 9D 1A 9D EA B6 50 CD 22 E6 CA");
    EXPECT_EQ(ZintDump(symbol.rows[2].modules), "A2 C9 A7 32 5C 8A B9 72 E9 73 95 CA");
    EXPECT_EQ(symbol.rows[1].modules, std::vector<uint8_t>(95, 0));
    // 10 mm between the tiers and 11 mm bars at 0.33 mm modules.
    EXPECT_NEAR(symbol.rows[1].height, 30.3, 0.01);
    EXPECT_NEAR(symbol.bar_height, 2 * 33.33, 0.01);
    EXPECT_TRUE(symbol.rows[0].extends.empty());
    ASSERT_EQ(symbol.text.size(), 2u);
    EXPECT_EQ(symbol.text[0].below_row, 0);
    EXPECT_EQ(symbol.text[1].below_row, 2);
    EXPECT_EQ(symbol.text[1].text, "1920197009404");
}

}  // namespace
