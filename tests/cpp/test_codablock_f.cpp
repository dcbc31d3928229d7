#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "symbologies/stacked/codablock_f.h"
#include "tests/cpp/encode_error_util.h"
#include "tests/cpp/zint_dump.h"

namespace {

struct Case {
    const char* text;
    int columns;
    int rows;
    const char* zint_rows;  // zint's dump rows, '|' between rows
    const char* why;
};

// zint --dump (2.15) gives the same rows for every case: pasted as it prints them.
const Case kCases[] = {
    {"A", 0, 0, "D097BA86518BBD7BAEF486C758|D097BB125DEBDD63A8647AC758",
     "one character: two rows, fillers, K1 K2 in set B"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd", 0, 0, "D097BAC85188B111AC44688C5E4B1D6|D097BB12688C5188ADC58E8DD0B31D6|D097BACE5D8B8D1DBBB68EC5D90B1D6|D097BA6E6E8DC5BBBAC746E2DD1B1D6|D097BA67768EC577B3676EBB11931D6|D0977A3B42CDBD7BA584868594C31D6|D097BB93426BBD7BAEF66CF757BB1D6",
     "40 characters: 6 columns; set C across a row boundary"},
    {"1234567890", 0, 0, "D0977B6659C8B1C5B0A578C758|D097BB1272C9D92C38B7A2C758",
     "set C selector; the last two digits in set B"},
    {"A12345B", 0, 0, "D097BA86518BBD6722C77AC758|D097BB126E48B10D363776C758",
     "Code C mid-row for the even digits, the odd one in set B"},
    {"AB12345", 0, 0, "D097BA585188B139B39628C758|D097BB1265CC9DB92EF6C6C758|D097BACE5DEBDD3D2DC6E8C758",
     "no room for Code C in the row: digits in set B; a filler before K1 K2's row"},
    {"123456789", 0, 0, "D0977B6659C8B1C5B0A578C758|D097BB1272CBBD1A32875EC758",
     "K1 K2 in set C after a filler"},
    {"a\x01" "b", 0, 0, "D097BA864B0F452C24345EC758|D097BB125DEBDDD936F5C6C758",
     "Shift for one control character"},
    {"Ab\x01\x02\x03" "c", 0, 0, "D097BA5851890DD7A585C6C758|D09E8B12486859E8A16588C758|D097BACE5DEBDD3CB09776C758",
     "Code A latch, a row selecting set A, Shift back to B"},
    {"\x01\x02" "ab", 0, 0, "D09E8A864B090D7BA586D8C758|D097BB12486BBDB33BD5C6C758",
     "first row in set A"},
    {"AB\x01" "a\x02", 0, 0, "D09E8A585188B12C2EF58EC758|D097BB124B0F4521AEF792C758|D097BACE5DEBDDDEBCA7A2C758",
     "no room for a shifted pair: filler at the row end"},
    {"é", 0, 0, "D097BA865EE86977AF7642C758|D097BB125DEBDDA228671AC758",
     "FNC4 for ISO/IEC 8859-1"},
    {"ABCDEFGHIJ", 0, 5, "D097BA165188B111AC4588C758|D097BB124688C5A23145DEC758|D097BACE622B7177AF7426C758|D097BA6E5DEBDD77AF750CC758|D097BA675DEBDD262BC6EEC758",
     "rows=5: filler rows"},
    {"ABCDEFGHIJ", 7, 0, "D097BA865188B111AC44688C5A227363AC|D097BB12628C456E2EF5EE9315E27A63AC",
     "columns=7"},
    {"12345678901234567890123456789012345678901234567890", 0, 0, "D0977B3359C8B1C5B0A6F6B39163D163AC|D0977AC7716C29BDACE458E2D8536663AC|D0977A376F6B391638B614DED6727663AC|D0977AEC458E2D8537B5EE9B94323763AC",
     "50 digits, 7 columns"},
};

EncodedSymbol Encode(const std::string& text, int columns, int rows) {
    EncodeOptions options;
    options.columns = columns;
    options.rows = rows;
    return EncodeCodablockFSymbol(text, options);
}

// The bar rows (height 0) as zint dumps them, without its spaces.
std::string BarRows(const EncodedSymbol& symbol) {
    std::string out;
    for (const SymbolRow& row : symbol.rows) {
        if (row.height != 0.0) continue;
        std::string dump = ZintDump(row.modules);
        dump.erase(std::remove(dump.begin(), dump.end(), ' '), dump.end());
        out += (out.empty() ? "" : "|") + dump;
    }
    return out;
}

TEST(CodablockF, RowsAsZint) {
    for (const Case& c : kCases) EXPECT_EQ(BarRows(Encode(c.text, c.columns, c.rows)), c.zint_rows) << c.why;
}

TEST(CodablockF, BarsAboveBelowAndBetweenRows) {
    // Worked by hand from the rows: a full-width bar above and below, and between rows a one-module
    // bar from the end of Start A to the last 11 modules of Stop.
    const EncodedSymbol symbol = Encode("A", 0, 0);
    ASSERT_EQ(symbol.rows.size(), 5u);
    const std::vector<uint8_t> dark(size_t(symbol.width), 1);
    EXPECT_EQ(symbol.rows[0].modules, dark);
    EXPECT_EQ(symbol.rows[4].modules, dark);
    EXPECT_EQ(ZintDump(symbol.rows[2].modules), "D0 9F FF FF FF FF FF FF FF FF FF C7 58");
    for (size_t r : {0u, 2u, 4u}) EXPECT_EQ(symbol.rows[r].height, 1.0);
    EXPECT_EQ(symbol.bar_height, 18.0);
    EXPECT_EQ(symbol.quiet_zone.left, 10.0);
}

TEST(CodablockF, Refusals) {
    const auto refuses = [](const std::string& text, int columns, int rows, EncodeErrorKind kind, long position) {
        ExpectEncodeError([&] { Encode(text, columns, rows); }, kind, position);
    };
    refuses("", 0, 0, EncodeErrorKind::InvalidData, -1);
    refuses("A\u0100", 0, 0, EncodeErrorKind::InvalidCharacter, 1);
    refuses("A", 3, 0, EncodeErrorKind::InvalidOption, -1);
    refuses("A", 63, 0, EncodeErrorKind::InvalidOption, -1);
    refuses("A", 0, 1, EncodeErrorKind::InvalidOption, -1);
    refuses("A", 0, 45, EncodeErrorKind::InvalidOption, -1);
    refuses(std::string(200, 'A'), 4, 0, EncodeErrorKind::InvalidOption, -1);  // 51 rows of 4
    refuses(std::string(20, 'A'), 4, 2, EncodeErrorKind::InvalidOption, -1);
    refuses(std::string(2800, 'A'), 0, 0, EncodeErrorKind::TooLong, -1);  // 44 x 62 holds 2726
    try {
        Encode(std::string(200, 'A'), 4, 0);
    } catch (const EncodeError& e) {
        EXPECT_STREQ(e.what(), "columns=4 cannot hold the data in 44 rows (at most)");
    }
}

TEST(CodablockF, FullestSymbol) {
    // 2726 symbol characters: 5452 digits fill 44 rows of 62 columns (worked by hand).
    const EncodedSymbol symbol = Encode(std::string(5452, '7'), 0, 0);
    EXPECT_EQ(symbol.rows.size(), 2u * 44 + 1);
    EXPECT_EQ(symbol.width, 11 * (62 + 5) + 2);
    ExpectEncodeError([] { Encode(std::string(5453, '7'), 0, 0); }, EncodeErrorKind::TooLong, -1);
}

}  // namespace
