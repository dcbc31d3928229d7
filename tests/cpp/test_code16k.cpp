#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "symbologies/stacked/code16k.h"
#include "tests/cpp/encode_error_util.h"
#include "tests/cpp/zint_dump.h"

namespace {

struct Case {
    const char* text;
    int rows;
    const char* zint_rows;  // zint's dump rows, '|' between rows
    const char* why;
};

// zint --dump (2.15) gives the same rows for every case: pasted as it prints them.
const Case kCases[] = {
    {"A", 0, "E5326B9CBD97B2F634|CD2F65ECBD91D6C264",
     "two rows, set B (mode 1), pads"},
    {"12", 0, "E533298CBD97B2F634|CD2F65ECBD85D13664",
     "set C (mode 2)"},
    {"ABCDEFGHIJ", 0, "E5736B9DD3BB94EE34|CD72EE74BB9D73BA64|D948E5ECBD91B7124C",
     "three rows"},
    {"123456789012345678901234", 0, "E536E98DD38E93D634|CD21298DD38E93D664|D921298DD3B2F48E4C",
     "24 digits in set C"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ", 0, "E55E6B9DD3BB94EE34|CD72EE74BB9D73BA64|D948E9C5C8A274724C|85712224B89D122EF4|B923A444538B91D28C|9D12E27573BA7772C4|A14EEE5DCE9773AEBC|E93BA91D38B9144E2C|E5472E24449713A28C|CD22E474888A7172C4|D91D225C4E9EB3BABC",
     "11 rows: rows 9 to 11 take the second stop order"},
    {"a1234", 0, "E5766D3D31BA72F634|CD2F65ECBD9213BA64",
     "mode 5: set C after one character of set B"},
    {"ab1234", 0, "E566ED3DBCA6374E34|CD2F65ECBD96F64664",
     "mode 6: set C after two characters of set B"},
    {"\x01" "\x02" "AB", 0, "E5266D3DBCAE774E34|CD2F65ECBD90967A64",
     "set A (mode 0)"},
    {"AB\x01" "cd\x02" "ef", 0, "E5676B9DD3B4F42234|CD7A6F642EB794DE64|D94F65ECBDB0B1D24C",
     "Shift for single control characters"},
    {"A", 4, "E5466B9CBD97B2F634|CD2F65ECBD97B2F664|D92F65ECBD97B2F64C|852F65ECBDBB979AF4",
     "rows=4: pad rows"},
};

EncodedSymbol Encode(const std::string& text, int rows) {
    EncodeOptions options;
    options.rows = rows;
    return EncodeCode16kSymbol(text, options);
}

// The bar rows (height 0) without their quiet zones (10 modules before, 1 after), as zint dumps
// them without its spaces.
std::string BarRows(const EncodedSymbol& symbol) {
    std::string out;
    for (const SymbolRow& row : symbol.rows) {
        if (row.height != 0.0) continue;
        std::string dump = ZintDump(std::vector<uint8_t>(row.modules.begin() + 10, row.modules.end() - 1));
        dump.erase(std::remove(dump.begin(), dump.end(), ' '), dump.end());
        out += (out.empty() ? "" : "|") + dump;
    }
    return out;
}

TEST(Code16k, RowsAsZint) {
    for (const Case& c : kCases) EXPECT_EQ(BarRows(Encode(c.text, c.rows)), c.zint_rows) << c.why;
}

TEST(Code16k, BarsAcrossTheWidthAndBetweenRows) {
    // As zint draws it: bars above and below across the quiet zones too, one-module bars between
    // rows across the 70 modules of the rows.
    const EncodedSymbol symbol = Encode("A", 0);
    ASSERT_EQ(symbol.rows.size(), 5u);
    EXPECT_EQ(symbol.width, 81);
    const std::vector<uint8_t> dark(81, 1);
    EXPECT_EQ(symbol.rows[0].modules, dark);
    EXPECT_EQ(symbol.rows[4].modules, dark);
    std::vector<uint8_t> separator(81, 1);
    std::fill(separator.begin(), separator.begin() + 10, uint8_t(0));
    separator.back() = 0;
    EXPECT_EQ(symbol.rows[2].modules, separator);
    EXPECT_EQ(symbol.bar_height, 18.0);
}

TEST(Code16k, Refusals) {
    ExpectEncodeError([] { Encode("", 0); }, EncodeErrorKind::InvalidData, -1);
    ExpectEncodeError([] { Encode("AB\x7F", 0); }, EncodeErrorKind::InvalidCharacter, 2);
    ExpectEncodeError([] { Encode("A", 1); }, EncodeErrorKind::InvalidOption, -1);
    ExpectEncodeError([] { Encode("A", 17); }, EncodeErrorKind::InvalidOption, -1);
    // 8 letters, the mode value and two checks: 11 values need 3 rows.
    ExpectEncodeError([] { Encode("ABCDEFGH", 2); }, EncodeErrorKind::InvalidOption, -1);
    EXPECT_EQ(BarRows(Encode("ABCDEFG", 2)).size(), 2 * 18u + 1);
    // 77 values at most: 154 digits fill 16 rows, one more character does not fit.
    EXPECT_EQ(BarRows(Encode(std::string(154, '5'), 0)).size(), 16 * 18u + 15);
    ExpectEncodeError([] { Encode(std::string(154, '5') + "A", 0); }, EncodeErrorKind::TooLong, -1);
}

}  // namespace
