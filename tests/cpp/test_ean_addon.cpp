#include <gtest/gtest.h>

#include <string>

#include "core/classes/retail_classes.h"
#include "symbologies/retail/ean_addon.h"
#include "symbologies/retail/jan13.h"
#include "symbologies/retail/jan8.h"
#include "symbologies/retail/upc_a.h"
#include "symbologies/retail/upc_e.h"
#include "symbologies/symbol_building.h"
#include "tests/cpp/encode_error_util.h"
#include "tests/cpp/zint_dump.h"

namespace {

using Kind = EncodeErrorKind;

TEST(AddOn, ModulesEqualZintsForEveryParityPattern) {
    // zint gives the same modules (zint -b 13 -d DIGITS --dump). Two digits: value mod 4 = 0-3.
    // Five digits: weighted sums (by hand) 1, 9, 7, 3, 0, 5, 2, 6, 8, 4.
    const struct {
        const char* digits;
        const char* zint;
    } rows[] = {
        {"00", "B1 A8 D"},           {"01", "B1 AB 3"},           {"02", "B4 E9 3"},
        {"03", "B4 EA 1"},           {"52495", "B7 29 34 EA 2D 62"}, {"12345", "B6 69 35 0A 8D 62"},
        {"90000", "B1 6A 74 6A 9D 1A"}, {"54321", "B7 2A 35 0A 4D 32"}, {"24680", "B3 6A 35 7A 25 1A"},
        {"13579", "B3 2B D5 CA 45 16"}, {"86420", "B6 E8 55 1A 4D 4E"}, {"00002", "B1 A8 D4 6A 9D 36"},
        {"00006", "B1 AA 74 6A 35 0A"}, {"00008", "B1 AA 75 3A 35 6E"},
    };
    for (const auto& row : rows) EXPECT_EQ(ZintDump(ModulesOfWidths(EncodeAddOn(row.digits))), row.zint) << row.digits;
}

EncodedSymbol OneRow(const ModuleWidths& widths) {
    EncodedSymbol symbol;
    SymbolRow row;
    row.modules = ModulesOfWidths(widths);
    row.extends.assign(row.modules.size(), 0);
    row.extends[0] = 1;  // a guard: the add-on then descends as far
    symbol.width = int(row.modules.size());
    symbol.rows.push_back(row);
    symbol.bar_height = 69.0;
    symbol.text = {TextSpan{"4", -7.0, 0, TextRole::Outer, 0.0}, TextSpan{"ISBN", 47.5, 0, TextRole::Caption, 0.0}};
    symbol.full_text = "main";
    return symbol;
}

TEST(AddOn, AppendedRowEqualsZintsAndTheBandAboveIsClearOverTheAddOn) {
    // zint gives the same modules (gap 7 after EAN, 9 after UPC: zint -b 13/34/37 -d MAIN+ADDON
    // --addongap=9 --dump).
    const struct {
        ModuleWidths main;
        AddOnHost host;
        const char* addon;
        const char* zint;
    } rows[] = {
        {EncodeJan13("9780143007234"), AddOnHost::Ean13, "52250",
         "AE C4 A7 32 75 EA B9 72 89 B2 15 CA 02 D8 A6 D3 6B 14 68"},
        {EncodeJan13("490123456789"), AddOnHost::Ean13, "12", "A2 D3 99 26 84 EA A7 50 89 23 A5 CA 02 CC A4 C"},
        {EncodeUpcA("01234567890"), AddOnHost::UpcA, "12345",
         "A3 4C 93 7A 8D 8A A8 44 91 D3 94 EA 00 B6 69 35 0A 8D 62"},
        {EncodeUPCE("01234565"), AddOnHost::UpcE, "12", "AC C9 BD 3A E5 7A A0 0B 32 93"},
        {EncodeJan8("5901234"), AddOnHost::Ean8, "12", "AC 45 8D 32 AD 90 AE 5C A0 2C CA 4C"},
    };
    for (const auto& row : rows) {
        EncodedSymbol symbol = OneRow(row.main);
        std::vector<uint8_t> band = symbol.rows[0].modules;
        AppendAddOn(symbol, row.addon, row.host);
        ASSERT_EQ(symbol.rows.size(), 2u);
        EXPECT_EQ(ZintDump(symbol.rows[1].modules), row.zint);
        band.resize(symbol.rows[1].modules.size(), 0);
        EXPECT_EQ(symbol.rows[0].modules, band);
        EXPECT_EQ(symbol.width, int(band.size()));
    }
}

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

TEST(AddOn, SplitFromTextOrSetting) {
    // Worked by hand.
    const struct {
        const char* text;
        const char* setting;
        const char* main;
        const char* addon;
    } rows[] = {
        {"4901234567894+12345", "", "4901234567894", "12345"},
        {"490123456789", "12", "490123456789", "12"},
        {"490123456789+12", "12", "490123456789", "12"},
    };
    for (const auto& row : rows) {
        const MainAndAddOn split = SplitAddOn(row.text, row.setting);
        EXPECT_EQ(split.main, row.main);
        EXPECT_EQ(split.addon, row.addon);
    }
}

TEST(AddOn, SplitErrors) {
    // Worked by hand; positions are byte offsets (the yen sign has two).
    const struct {
        const char* text;
        const char* setting;
        Kind kind;
        long position;
    } rows[] = {
        {"490123456789+1a", "", Kind::InvalidCharacter, 14},
        {"49012345678\xC2\xA5+1a", "", Kind::InvalidCharacter, 15},
        {"490123456789+123", "", Kind::InvalidData, -1},
        {"490123456789", "123", Kind::InvalidOption, -1},
        {"490123456789", "1x", Kind::InvalidOption, -1},
        {"490123456789+12", "34", Kind::InvalidOption, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ExpectEncodeError([&] { SplitAddOn(row.text, row.setting); }, row.kind, row.position);
    }
}

}  // namespace
