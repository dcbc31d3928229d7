#include <gtest/gtest.h>

#include <string>

#include "core/model/encode_error.h"
#include "core/model/module_bits.h"
#include "symbologies/retail/ean_addon.h"
#include "symbologies/retail/jan13.h"
#include "symbologies/retail/jan8.h"
#include "symbologies/retail/upc_a.h"
#include "symbologies/retail/upc_e.h"
#include "tests/cpp/zint_dump.h"

namespace {

struct AddOnCase {
    std::string digits;
    std::string zint;  // zint -b 13 -d DIGITS --dump
};

class AddOnModules : public ::testing::TestWithParam<AddOnCase> {};

TEST_P(AddOnModules, EqualZints) { EXPECT_EQ(ZintDump(ModuleBits(EncodeAddOn(GetParam().digits))), GetParam().zint); }

// zint gives the same modules. Two digits: value mod 4 picks LL, LG, GL, GG. Five digits: the
// weighted sum mod 10 picks the parity, so the values cover sums 0-9 (52495 -> 1, 12345 -> 9,
// 90000 -> 7, 54321 -> 3, 24680 -> 0, 13579 -> 5, 86420 -> 2, 00000 -> 0, 11111 -> 3, 99999 -> 3 by hand).
INSTANTIATE_TEST_SUITE_P(
    Zint, AddOnModules,
    ::testing::Values(AddOnCase{"00", "B1 A8 D"}, AddOnCase{"01", "B1 AB 3"}, AddOnCase{"02", "B4 E9 3"},
                      AddOnCase{"03", "B4 EA 1"}, AddOnCase{"52495", "B7 29 34 EA 2D 62"},
                      AddOnCase{"12345", "B6 69 35 0A 8D 62"}, AddOnCase{"90000", "B1 6A 74 6A 9D 1A"},
                      AddOnCase{"54321", "B7 2A 35 0A 4D 32"}, AddOnCase{"24680", "B3 6A 35 7A 25 1A"},
                      AddOnCase{"13579", "B3 2B D5 CA 45 16"}, AddOnCase{"86420", "B6 E8 55 1A 4D 4E"},
                      AddOnCase{"99999", "B2 E8 B4 5A 2D 2E"}));

EncodedSymbol OneRow(const ModuleWidths& widths) {
    EncodedSymbol symbol;
    SymbolRow row;
    row.modules = ModuleBits(widths);
    row.extends.assign(row.modules.size(), 0);
    row.extends[0] = 1;  // any guard: the add-on then descends as far
    symbol.width = int(row.modules.size());
    symbol.rows.push_back(row);
    symbol.bar_height = 69.0;
    symbol.text.push_back(TextSpan{"4", -7.0, 0, TextRole::Outer, 0.0});
    symbol.text.push_back(TextSpan{"ISBN", 47.5, 0, TextRole::Caption, 0.0});
    symbol.full_text = "main";
    return symbol;
}

struct HostCase {
    ModuleWidths main;
    AddOnHost host;
    std::string addon;
    std::string zint;
};

class AddOnAppended : public ::testing::TestWithParam<HostCase> {};

TEST_P(AddOnAppended, LowerRowEqualsZintsAndTheBandIsClearOverTheAddOn) {
    const HostCase& c = GetParam();
    EncodedSymbol symbol = OneRow(c.main);
    const std::vector<uint8_t> main = symbol.rows[0].modules;
    AppendAddOn(symbol, c.addon, c.host);
    ASSERT_EQ(symbol.rows.size(), 2u);
    EXPECT_EQ(ZintDump(symbol.rows[1].modules), c.zint);
    std::vector<uint8_t> band = main;
    band.resize(symbol.rows[1].modules.size(), 0);
    EXPECT_EQ(symbol.rows[0].modules, band);
    EXPECT_EQ(symbol.width, int(band.size()));
}

// zint gives the same modules (gap 7 for EAN, 9 for UPC: zint -b 13/34/37 -d MAIN+ADDON --addongap=9 --dump).
INSTANTIATE_TEST_SUITE_P(
    Zint, AddOnAppended,
    ::testing::Values(
        HostCase{EncodeJan13("9780143007234"), AddOnHost::Ean13, "52250",
                 "AE C4 A7 32 75 EA B9 72 89 B2 15 CA 02 D8 A6 D3 6B 14 68"},
        HostCase{EncodeJan13("490123456789"), AddOnHost::Ean13, "12", "A2 D3 99 26 84 EA A7 50 89 23 A5 CA 02 CC A4 C"},
        HostCase{EncodeUpcA("01234567890"), AddOnHost::UpcA, "12345",
                 "A3 4C 93 7A 8D 8A A8 44 91 D3 94 EA 00 B6 69 35 0A 8D 62"},
        HostCase{EncodeUPCE("01234565"), AddOnHost::UpcE, "12", "AC C9 BD 3A E5 7A A0 0B 32 93"},
        HostCase{EncodeJan8("5901234"), AddOnHost::Ean8, "12", "AC 45 8D 32 AD 90 AE 5C A0 2C CA 4C"}));

TEST(AddOn, KeepsMainTextAndGuardsAndLabelsTheAddOnAbove) {
    EncodedSymbol symbol = OneRow(EncodeJan13("490123456789"));
    AppendAddOn(symbol, "12345", AddOnHost::Ean13);
    // By hand: 95 + gap 7 + 47 modules; the add-on's digits centred over modules 102..148.
    EXPECT_EQ(symbol.rows[0].height, 8.0);
    EXPECT_EQ(symbol.rows[1].height, 0.0);
    EXPECT_EQ(symbol.bar_height, 61.0);
    EXPECT_EQ(symbol.rows[1].extends[0], 1);
    EXPECT_EQ(symbol.rows[1].extends[102], 1);  // the add-on's first bar reaches down with the guards
    EXPECT_EQ(symbol.quiet_zone.right, 5.0);
    EXPECT_EQ(symbol.full_text, "main 12345");
    ASSERT_EQ(symbol.text.size(), 3u);
    EXPECT_EQ(symbol.text[0].below_row, 1);  // main digits stay under the bars
    EXPECT_EQ(symbol.text[1].below_row, 0);  // the caption stays above the whole symbol
    EXPECT_EQ(symbol.text[2].text, "12345");
    EXPECT_EQ(symbol.text[2].role, TextRole::AddOn);
    EXPECT_EQ(symbol.text[2].below_row, 1);
    EXPECT_EQ(symbol.text[2].center_x, 102 + 23.5);
}

struct SplitCase {
    std::string text;
    std::string setting;
    std::string main;  // or the error
    std::string addon;
    EncodeErrorKind kind;
    long position;
};

class AddOnSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(AddOnSplit, MainAndAddOnOrError) {
    const SplitCase& c = GetParam();
    if (c.main != "error") {
        const MainAndAddOn split = SplitAddOn(c.text, c.setting);
        EXPECT_EQ(split.main, c.main);
        EXPECT_EQ(split.addon, c.addon);
        return;
    }
    try {
        SplitAddOn(c.text, c.setting);
        ADD_FAILURE() << "no error";
    } catch (const EncodeError& e) {
        EXPECT_EQ(e.Kind(), c.kind);
        EXPECT_EQ(e.Position(), c.position);
    }
}

// Worked by hand.
INSTANTIATE_TEST_SUITE_P(
    Table, AddOnSplit,
    ::testing::Values(SplitCase{"4901234567894+12345", "", "4901234567894", "12345", {}, -1},
                      SplitCase{"490123456789+12", "", "490123456789", "12", {}, -1},
                      SplitCase{"490123456789", "12", "490123456789", "12", {}, -1},
                      SplitCase{"490123456789+12", "12", "490123456789", "12", {}, -1},
                      SplitCase{"490123456789+1a", "", "error", "", EncodeErrorKind::InvalidCharacter, 14},
                      SplitCase{"49012345678\xC2\xA5+1a", "", "error", "", EncodeErrorKind::InvalidCharacter, 14},
                      SplitCase{"490123456789+123", "", "error", "", EncodeErrorKind::InvalidData, -1},
                      SplitCase{"490123456789", "123", "error", "", EncodeErrorKind::InvalidOption, -1},
                      SplitCase{"490123456789", "1x", "error", "", EncodeErrorKind::InvalidOption, -1},
                      SplitCase{"490123456789+12", "34", "error", "", EncodeErrorKind::InvalidOption, -1}));

}  // namespace
