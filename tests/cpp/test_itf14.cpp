#include <gtest/gtest.h>

#include <string>

#include "core/model/encode_error.h"
#include "symbologies/linear/itf14.h"
#include "tests/cpp/zint_dump.h"

namespace {

TEST(Itf14, ModulesEqualZintsWithFrameQuietZoneAndDigits) {
    const EncodedSymbol symbol = EncodeItf14("1234567890123", "");
    // zint -b 89 -d 1234567890123 --dump; 1234567890123 -> check 1 (GS1 mod 10, by hand).
    EXPECT_EQ(ZintDump(symbol.rows.at(0).modules), "AE 8A E3 BA 28 E8 E2 A2 B8 EB A3 8B A2 B8 E3 AA 3A");
    EXPECT_EQ(symbol.width, 135);
    EXPECT_EQ(symbol.full_text, "12345678901231");
    EXPECT_EQ(symbol.text.at(0).text, "12345678901231");
    EXPECT_EQ(symbol.bearer.kind, BearerKind::Frame);
    EXPECT_EQ(symbol.bearer.thickness, 5.0);
    EXPECT_EQ(symbol.quiet_zone.left, 10.0);
    EXPECT_EQ(symbol.quiet_zone.right, 10.0);
}

struct BearerCase {
    std::string setting;
    BearerKind kind;
    double thickness;
};

class Itf14Bearers : public ::testing::TestWithParam<BearerCase> {};

TEST_P(Itf14Bearers, FromSetting) {
    const Bearer bearer = EncodeItf14("12345678901231", GetParam().setting).bearer;
    EXPECT_EQ(bearer.kind, GetParam().kind);
    EXPECT_EQ(bearer.thickness, GetParam().thickness);
}

INSTANTIATE_TEST_SUITE_P(Table, Itf14Bearers,
                         ::testing::Values(BearerCase{"", BearerKind::Frame, 5.0},
                                           BearerCase{"frame", BearerKind::Frame, 5.0},
                                           BearerCase{"top-bottom", BearerKind::TopBottom, 5.0},
                                           BearerCase{"none", BearerKind::None, 0.0}));

struct ErrorCase {
    std::string text;
    std::string bearer;
    EncodeErrorKind kind;
    long position;
};

class Itf14Errors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(Itf14Errors, KindAndPosition) {
    try {
        EncodeItf14(GetParam().text, GetParam().bearer);
        ADD_FAILURE() << "no error";
    } catch (const EncodeError& e) {
        EXPECT_EQ(e.Kind(), GetParam().kind);
        EXPECT_EQ(e.Position(), GetParam().position);
    }
}

// Worked by hand.
INSTANTIATE_TEST_SUITE_P(Table, Itf14Errors,
                         ::testing::Values(ErrorCase{"12345678901232", "", EncodeErrorKind::InvalidData, 13},
                                           ErrorCase{"123456789012", "", EncodeErrorKind::InvalidData, -1},
                                           ErrorCase{"1234567890l23", "", EncodeErrorKind::InvalidCharacter, 10},
                                           ErrorCase{"1234567890123", "box", EncodeErrorKind::InvalidOption, -1}));

}  // namespace
