#include <gtest/gtest.h>

#include <string>

#include "symbologies/linear/itf14.h"
#include "symbologies/registry.h"
#include "tests/cpp/encode_error_util.h"
#include "tests/cpp/zint_dump.h"

namespace {

using Kind = EncodeErrorKind;

TEST(Itf14, ModulesEqualZintsWithFrameQuietZoneAndDigits) {
    const EncodedSymbol symbol = Encode("itf14", "1234567890123", {});
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

TEST(Itf14, BearerFromSetting) {
    const struct {
        const char* setting;
        BearerKind kind;
        double thickness;
    } rows[] = {{"", BearerKind::Frame, 5.0},
                {"frame", BearerKind::Frame, 5.0},
                {"top-bottom", BearerKind::TopBottom, 5.0},
                {"none", BearerKind::None, 0.0}};
    for (const auto& row : rows) {
        EncodeOptions options;
        options.bearer = row.setting;
        const Bearer bearer = EncodeItf14Symbol("12345678901231", options).bearer;
        EXPECT_EQ(bearer.kind, row.kind) << row.setting;
        EXPECT_EQ(bearer.thickness, row.thickness) << row.setting;
    }
}

TEST(Itf14, PlainItfTakesTheBearerSettingWithoutOneByDefault) {
    EXPECT_EQ(Encode("itf", "12", {}).bearer.kind, BearerKind::None);
    EncodeOptions options;
    options.bearer = "top-bottom";
    EXPECT_EQ(Encode("itf", "123", options).bearer.kind, BearerKind::TopBottom);
}

TEST(Itf14, Errors) {
    // Worked by hand.
    const struct {
        const char* text;
        const char* bearer;
        Kind kind;
        long position;
    } rows[] = {
        {"12345678901232", "", Kind::InvalidData, 13},
        {"123456789012", "", Kind::InvalidData, -1},
        {"1234567890l23", "", Kind::InvalidCharacter, 10},
        {"1234567890123", "box", Kind::InvalidOption, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EncodeOptions options;
        options.bearer = row.bearer;
        ExpectEncodeError([&] { EncodeItf14Symbol(row.text, options); }, row.kind, row.position);
    }
}

}  // namespace
