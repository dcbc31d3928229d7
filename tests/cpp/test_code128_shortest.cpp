#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encode_error_util.h"
#include "gs1/element_string.h"
#include "symbologies/linear/code128.h"
#include "symbologies/linear/code128_symbols.h"
#include "symbologies/linear/gs1_128.h"
#include "symbologies/symbol_building.h"
#include "zint_dump.h"

// make()'s Code 128 and GS1-128: the fewest symbol characters, Shift included, and the options
// peers have (set C left out, the caller's own code sets, reader initialisation).
namespace {

struct Code128Row {
    std::string data;
    std::string mode;
    std::string code_sets;
    bool reader_init;
    std::string zint;
};

// zint 2.15 --dump gives the same modules. Rows without a note are from zint's own test data;
// "on a tie" rows are choices between encodings of equal length.
const Code128Row kCode128Rows[] = {
    {"AIM", "auto", "", false, "D2 14 63 11 5D 8B B1 8E B"},  // zint -b 20; ISO/IEC 15417 Figure 1
    {"AIM1234", "auto", "", false, "D2 14 63 11 5D 8B BD 67 22 C7 94 C7 58"},  // zint -b 20; ISO/IEC 15417 Annex A.1 example
    {"1234567890", "auto", "", false, "D3 96 72 2C 71 6C 29 BD A7 96 3A C"},  // zint -b 20
    {"1", "auto", "", false, "D2 13 9B 39 63 AC"},  // zint -b 20; start B on a tie with A
    {"12", "auto", "", false, "D3 96 72 67 63 AC"},  // zint -b 20
    {"123", "auto", "", false, "D3 96 72 F7 65 C9 61 8E B"},  // zint -b 20; start C on a tie
    {"12345", "auto", "", false, "D3 96 72 2C 5E ED C9 D6 31 D6"},  // zint -b 20
    {"\037", "auto", "", false, "D0 97 A2 F4 63 AC"},  // zint -b 20
    {"12\037", "auto", "", false, "D3 96 73 AF 5E 8D BD 8E B"},  // zint -b 20
    {"a\037a", "auto", "", false, "D2 12 C3 D1 5E 89 61 E9 31 D6"},  // zint -b 20; Shift
    {"\037AAa\037", "auto", "", false, "D0 97 A2 8C 51 8F 45 2C 2F 46 66 C7 58"},  // zint -b 20
    {"\037AAaa\037", "auto", "", false, "D2 1E 8A F4 51 8A 31 2C 25 87 A2 BD 12 63 1D 6"},  // zint -b 20; switch, then Shift
    {"AAAa12345aAA", "auto", "", false, "D2 14 62 8C 51 89 61 77 AC E4 58 BD DB 92 58 51 8A 31 DA 31 D6"},  // zint -b 20
    {"a\037Aa\037\037a\037aa\037a", "auto", "", false, "D2 12 C3 D1 5E 8A 31 2C 3D 15 E8 F4 57 A2 58 7A 2B D1 2C 25 87 A2 BD 12 C3 BB 63 AC"},  // zint -b 20; Shifts both ways
    {"\001\0011234AB", "auto", "", false, "D0 92 C2 58 5D EB 39 16 3A F5 18 8B 10 9B 1D 6"},  // zint -b 20; back to A after C
    {"ab1234AB", "auto", "", false, "D2 12 C2 43 5D EB 39 16 2F 75 18 8B 12 C3 1D 6"},  // zint -b 20; back to B after C
    {"ab\001AB", "auto", "", false, "D2 12 C2 43 7A 29 61 46 22 C7 B6 C7 58"},  // zint -b 20; in B a Shift before a switch
    {"\001\001a", "auto", "", false, "D0 92 C2 58 5E E9 61 16 31 D6"},  // zint -b 20; in A a switch to B before a Shift
    {"ab12", "auto", "", false, "D2 12 C2 43 5D EB 39 CD 31 D6"},  // zint -b 20; C on a tie at the end
    {"CZRv0734192c", "auto", "", false, "D2 11 1B B1 62 EF 49 77 A6 24 58 CB 97 BB 39 42 C8 BD 8E B"},  // zint -b 20; C as early as it ties
    {"9693\030\022 ,?|.}+ ", "auto", "", false, "D3 97 8A 8F 75 EF 25 27 AF 76 CC B3 9B 1A BC 4C EA 3D 89 36 66 74 C7 58"},  // zint -b 20; A to B as early as it ties
    {"Code 128", "auto", "", false, "D2 11 1A 3D 42 6B 21 B3 27 35 DE E6 97 63 1D 6"},  // zint -b 20
    {"a~\177", "auto", "", false, "D2 12 C2 2F 5E 8E 99 8E B"},  // zint -b 20; DEL in set B
    {"1234567890", "AB", "", false, "D2 13 9B 39 65 CC 9D B9 33 A7 6E E9 9C B2 76 51 8C 75 8"},  // zint -b 60 (CODE128AB)
    {"AB12345678", "AB", "", false, "D2 14 62 2C 4E 6C E5 97 32 76 E4 CE 9D BB A6 7B AC 75 8"},  // zint -b 60 (CODE128AB)
    {"A", "auto", "", true, "D2 17 8A 8C 77 AC 75 8"},  // zint -b 20 --init
    {"12", "auto", "", true, "D2 17 8A EF 59 CC E9 8E B"},  // zint -b 20 --init
    {"a\001", "auto", "", true, "D2 17 8A 58 7A 29 61 DE B1 D6"},  // zint -b 20 --init
    {"AB1234", "auto", "BBCCCC", false, "D2 14 62 2C 5D EB 39 16 3D 76 3A C"},  // zint -b 20 --extraesc "\^BAB\^C1234"
    {"ab\001cd", "auto", "BBABB", false, "D2 12 C2 43 75 E9 61 7B A1 64 26 8F 58 EB"},  // zint -b 20 --extraesc "\^Bab\^A\x01\^Bcd"
    {"123456", "auto", "AACCCC", true, "D0 97 8A 73 67 2B BD 16 38 B7 16 C7 58"},  // zint -b 20 --extraesc "\^A12\^C3456" --init
    {"1234", "auto", "AAAA", false, "D0 93 9B 39 65 CC 9D E5 31 D6"},  // zint -b 20 --extraesc "\^A1234"
};

TEST(Code128Shortest, ModulesMatchZint) {
    for (const Code128Row& row : kCode128Rows) {
        EncodeOptions options;
        options.mode = row.mode;
        options.code_sets = row.code_sets;
        options.reader_init = row.reader_init;
        EXPECT_EQ(ZintDump(EncodeCode128Symbol(row.data, options).rows[0].modules), row.zint) << row.data;
    }
}

TEST(Code128Shortest, EqualLengthWhereZintBreaksATieOtherwise) {
    // zint 2.15 -b 20 (its own test data): Start C 12 34 Code A US Shift a, 101 modules; here
    // Code B Shift US a, as long.
    EXPECT_EQ(EncodeCode128Symbol("1234\037a", EncodeOptions{}).rows[0].modules.size(), 101u);
}

struct GS1Row {
    std::string marked;  // the element string with its FNC1 and AI markers
    std::string zint;
};

// zint 2.15 --dump gives the same modules (-d as noted); the first 22 are zint's own test data.
const GS1Row kGS1Rows[] = {
    {"{FNC1}901{FNC1}901", "D3 9E BB 7B 5E E9 CD EB B9 65 DE CD 9C 5B 1D 6"},  // zint -b 16 -d "[90]1[90]1"
    {"{FNC1}901{FNC1}9012", "D2 1E BB 96 5D EC D9 EB B7 B5 9C B1 D8 EB"},  // zint -b 16 -d "[90]1[90]12"
    {"{FNC1}901{FNC1}90123", "D3 9E BB 7B 5E E9 CD EB B9 65 DE CD 9D BB B4 63 AC"},  // zint -b 16 -d "[90]1[90]123"
    {"{FNC1}9012{FNC1}901", "D3 9E BB 7B 59 CF 5D BD AF 74 E6 B1 D8 EB"},  // zint -b 16 -d "[90]12[90]1"
    {"{FNC1}9012{FNC1}9012", "D3 9E BB 7B 59 CF 5D BD AC E4 CE C7 58"},  // zint -b 16 -d "[90]12[90]12"
    {"{FNC1}9012{FNC1}90123", "D3 9E BB 7B 59 CF 5D BD AC E5 EE CB 96 E3 1D 6"},  // zint -b 16 -d "[90]12[90]123"
    {"{FNC1}90123{FNC1}901", "D3 9E BB 7B 59 CB DD 97 3D 77 2C BB D9 B2 2C 63 AC"},  // zint -b 16 -d "[90]123[90]1"
    {"{FNC1}90123{FNC1}901234", "D2 1E BB 96 5D EC D9 DB BD 76 F6 B3 91 63 17 63 AC"},  // zint -b 16 -d "[90]123[90]1234"
    {"{FNC1}901{FNC1}901{FNC1}901", "D3 9E BB 7B 5E E9 CD EB B9 65 DE CD 9E BB 7B 5E E9 CD E4 B1 D6"},  // zint -b 16 -d "[90]1[90]1[90]1"
    {"{FNC1}901{FNC1}9012{FNC1}901", "D2 1E BB 96 5D EC D9 EB B7 B5 9C F5 DB DA F7 4E 6C 25 8E B"},  // zint -b 16 -d "[90]1[90]12[90]1"
    {"{FNC1}901{FNC1}90123{FNC1}901", "D3 9E BB 7B 5E E9 CD EB B9 65 DE CD 9D BB D7 6F 6B DD 39 B6 F6 3A C"},  // zint -b 16 -d "[90]1[90]123[90]1"
    {"{FNC1}9012{FNC1}90123{FNC1}901", "D3 9E BB 7B 59 CF 5D BD AC E5 EE CB 9E BB 96 5D EC D9 76 31 D6"},  // zint -b 16 -d "[90]12[90]123[90]1"
    {"{FNC1}9012{FNC1}90123{FNC1}9012", "D3 9E BB 7B 59 CF 5D BD AC E5 EE CB 97 7B D7 6F 6B 39 7B B1 D6"},  // zint -b 16 -d "[90]12[90]123[90]12"
    {"{FNC1}90123{FNC1}901{FNC1}901", "D3 9E BB 7B 59 CB DD 97 3D 77 2C BB D9 B3 D7 6F 6B DD 39 A4 36 3A C"},  // zint -b 16 -d "[90]123[90]1[90]1"
    {"{FNC1}90123{FNC1}9012{FNC1}901", "D2 1E BB 96 5D EC D9 DB BD 76 F6 B3 9E BB 7B 5E E9 CD 3C B1 D6"},  // zint -b 16 -d "[90]123[90]12[90]1"
    {"{FNC1}90123{FNC1}90123{FNC1}9012", "D3 9E BB 7B 59 CB DD 97 3D 77 2C BB D9 B3 B7 7A ED ED 67 23 B6 3A C"},  // zint -b 16 -d "[90]123[90]123[90]12"
    {"{FNC1}90123{FNC1}901234{FNC1}901", "D2 1E BB 96 5D EC D9 DB BD 76 F6 B3 91 63 D7 6F 6B DD 39 A4 F6 3A C"},  // zint -b 16 -d "[90]123[90]1234[90]1"
    {"{FNC1}90123{FNC1}901234{FNC1}90123", "D2 1E BB 96 5D EC D9 DB BD 76 F6 B3 91 63 D7 6F 6B 39 7B B2 E7 8A C7 58"},  // zint -b 16 -d "[90]123[90]1234[90]123"
    {"{FNC1}9012345{FNC1}901234{FNC1}901", "D2 1E BB 96 5D EC D9 DB AE C7 AE DE D6 72 2C 7A ED ED 7B A7 36 12 C7 58"},  // zint -b 16 -d "[90]12345[90]1234[90]1"
    {"{FNC1}901A{FNC1}901", "D3 9E BB 7B 5E E9 CD 46 3D 77 2C BB D9 B2 C4 63 AC"},  // zint -b 16 -d "[90]1A[90]1"
    {"{FNC1}9012A{FNC1}90123", "D3 9E BB 7B 59 CB DD 46 3D 77 2C BB D9 B3 B7 72 CC 75 8"},  // zint -b 16 -d "[90]12A[90]123"
    {"{FNC1}90123{FNC1}90A234{FNC1}90123", "D3 9E BB 7B 59 CB DD 97 3D 77 2C 9D 94 63 39 5D E8 B1 EB B7 B5 9C BD D9 73 17 63 AC"},  // zint -b 16 -d "[90]123[90]A234[90]123"
    {"{FNC1}8018950110153123456781", "D3 9E BA 9E 67 2B D1 9B 32 25 CC D8 DD BA EC 42 C9 79 79 31 D6"},  // zint -b 16 -d "[8018]950110153123456781"
    {"{FNC1}4155412345678908{AI}3911710125", "D3 9E BB 11 74 6C 45 DB AE C4 2C DB D1 93 44 62 49 A1 9B 39 64 26 C7 58"},  // zint -b 16 -d "[415]5412345678908[3911]710125"
    {"{FNC1}12010425{AI}8020ABC123", "D3 9E BA CE 66 C9 19 CB 29 E6 4E BD D4 62 2C 44 69 CD 77 BB 77 A2 C7 58"},  // zint -b 16 -d "[12]010425[8020]ABC123"
    {"{FNC1}253950110153005812345678901", "D3 9E BB 96 68 8C 5D 89 33 66 EE D9 9D 8A CE 45 8E 2D 85 37 B5 EE 9C D7 63 1D 6"},  // zint -b 16 -d "[253]950110153005812345678901"
};

TEST(GS1_128Shortest, ModulesMatchZint) {
    for (const GS1Row& row : kGS1Rows)
        EXPECT_EQ(ZintDump(ModulesOfWidths(
                      code128::ToModuleWidths(ShortestGS1_128Values(GS1MarkedCodes(row.marked, false)), "invalid"))),
                  row.zint)
            << row.marked;
}

TEST(Code128Shortest, NonPrintingCharactersShowAsSpaces) {
    // zint shows control characters and DEL as spaces in its text.
    const EncodedSymbol symbol = EncodeCode128Symbol("A\037B\177", EncodeOptions{});
    ASSERT_EQ(symbol.text.size(), 1u);
    EXPECT_EQ(symbol.text[0].text, "A B ");
    EXPECT_EQ(symbol.full_text, "A\037B\177");
}

TEST(Code128Shortest, Refusals) {
    struct Case {
        std::string data;
        std::string mode;
        std::string code_sets;
        EncodeErrorKind kind;
        long position;
    };
    // Worked by hand.
    const Case cases[] = {
        {"AB\303\251", "auto", "", EncodeErrorKind::InvalidCharacter, 2},  // beyond ASCII
        {"ab", "auto", "AB", EncodeErrorKind::InvalidCharacter, 0},         // set A has no 'a'
        {"A\001", "auto", "BB", EncodeErrorKind::InvalidCharacter, 1},      // set B has no control characters
        {"123", "auto", "CCC", EncodeErrorKind::InvalidCharacter, 2},       // a lone digit in set C
        {"1a", "auto", "CC", EncodeErrorKind::InvalidCharacter, 0},         // set C takes digit pairs only
        {"12", "auto", "C", EncodeErrorKind::InvalidOption, -1},            // one letter per character
        {"12", "auto", "CD", EncodeErrorKind::InvalidOption, -1},
        {"12", "AB", "CC", EncodeErrorKind::InvalidOption, -1},             // AB leaves set C out
        {"12", "B", "BB", EncodeErrorKind::InvalidOption, -1},              // a fixed set and code sets
        {"12", "D", "", EncodeErrorKind::InvalidOption, -1},
    };
    for (const Case& c : cases) {
        EncodeOptions options;
        options.mode = c.mode;
        options.code_sets = c.code_sets;
        ExpectEncodeError([&] { EncodeCode128Symbol(c.data, options); }, c.kind, c.position);
    }
}

}  // namespace
