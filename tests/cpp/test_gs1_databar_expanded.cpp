#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "symbologies/databar/gs1_databar_expanded.h"
#include "tests/cpp/linear_test_util.h"
#include "tests/cpp/zint_dump.h"

namespace {

// Bit patterns below are written in groups separated by blanks.
std::string Packed(std::string bits) {
    bits.erase(std::remove(bits.begin(), bits.end(), ' '), bits.end());
    return bits;
}

std::string GeneralField(const std::string& field, size_t preceding_bits = 0) {
    std::string bits(preceding_bits, '0');
    AppendGeneralField(bits, field);
    return bits.substr(preceding_bits);
}

std::string Failure(const std::string& code) {
    try {
        EncodeExpandedBits(code);
    } catch (const ExpandedInputError& e) {
        return e.what();
    }
    return "(no error)";
}

std::string Bits(const std::vector<bool>& modules) {
    std::string s;
    for (bool m : modules) s += m ? '1' : '0';
    return s;
}

struct FieldCase {
    std::string field;
    std::string bits;
};

class GeneralFieldModes : public ::testing::TestWithParam<FieldCase> {};

TEST_P(GeneralFieldModes, Bits) { EXPECT_EQ(GeneralField(GetParam().field), Packed(GetParam().bits)); }

INSTANTIATE_TEST_SUITE_P(
    Table, GeneralFieldModes,
    ::testing::Values(
        FieldCase{"12", "0010101"},                           // numeric pair 11 x 1 + 2 + 8
        FieldCase{"[1", "1110111"},                           // FNC1 counts 10 in a pair
        FieldCase{"A", "0000 100000"},                        // latch to alphanumeric
        FieldCase{"*", "0000 111010"},
        FieldCase{"a", "0000 00100 1011010"},                 // latch to ISO/IEC 646 through alphanumeric
        FieldCase{"x!", "0000 00100 1110001 11101000"},
        FieldCase{"AB12CD", "0000 100000 100001 00110 00111 100010 100011"},  // 2 digits stay alphanumeric
        FieldCase{"AB123", "0000 100000 100001 00110 00111 01000"},           // 3 at the end too
        FieldCase{"AB1234", "0000 100000 100001 000 0010101 0101101"},        // 4 at the end go numeric
        FieldCase{"AB123456CD", "0000 100000 100001 000 0010101 0101101 1000101 0000 100010 100011"},
        FieldCase{"ab12", "0000 00100 1011010 1011011 00110 00111"},          // short digits stay ISO
        FieldCase{"ab1234", "0000 00100 1011010 1011011 000 0010101 0101101"},
        FieldCase{"abCDE", "0000 00100 1011010 1011011 1000010 1000011 1000100"},
        FieldCase{"abCDEFG", "0000 00100 1011010 1011011 00100 100010 100011 100100 100101 100110"},
        // FNC1 leaves alphanumeric mode for numeric: the next identifier's digits are a pair.
        FieldCase{"A[10B", "0000 100000 01111 0010011 0000 100001"},
        // A lone FNC1 at the end has no numeric form: it is written in alphanumeric mode.
        FieldCase{"12[", "0010101 0000 01111"},
        // A lone final digit in numeric mode: paired with FNC1 (7 bits) ...
        FieldCase{"123", "0010101 0110011"},
        // ... and one in alphanumeric mode takes 5 bits.
        FieldCase{"A1", "0000 100000 00110"}));

TEST(GeneralField, LoneDigitTakesFourBitsWhenFourToSixRemain) {
    EXPECT_EQ(GeneralField("1", 30), "0010");           // 6 bits to the next character boundary
    EXPECT_EQ(GeneralField("1", 32), "0010");           // 4
    EXPECT_EQ(GeneralField("1", 33), "0011101");        // 3: paired with FNC1
    EXPECT_EQ(GeneralField("9", 41), "1110101");        // 7: paired with FNC1
    EXPECT_EQ(GeneralField("9", 42), "1010");           // 6
}

TEST(GeneralField, InvalidCharacters) {
    for (const char* field : {"#", "$", "@", "\\", "^", "`", "]", "{", "~", "\x1f", "\x7f", "\xc3\xa9", "1[[2"})
        EXPECT_EQ(Failure(std::string("10") + field), "Invalid characters in input data") << field;
    EXPECT_EQ(Failure(std::string("10A\0B", 5)), "Invalid characters in input data");
    EXPECT_EQ(Failure("10" + std::string("AZaz09!\"%&'()*+,-./:;<=>?_ [")), "(no error)");
}

struct MethodCase {
    std::string code;
    int method;
    std::string human_readable;
};

class EncodationMethods : public ::testing::TestWithParam<MethodCase> {};

TEST_P(EncodationMethods, ChosenByTheLeadingIdentifiers) {
    const ExpandedBits b = EncodeExpandedBits(GetParam().code);
    EXPECT_EQ(b.method, GetParam().method);
    EXPECT_EQ(b.human_readable, GetParam().human_readable);
    EXPECT_EQ(b.bits.size() % 12, 0u);
    EXPECT_GE(b.bits.size(), 36u);
}

// 90012345678908: a variable-measure GTIN (indicator 9) with its check digit.
INSTANTIATE_TEST_SUITE_P(
    Table, EncodationMethods,
    ::testing::Values(
        MethodCase{"0190012345678908{AI}3103001750", 3, "(01)90012345678908(3103)001750"},
        MethodCase{"0190012345678908{AI}3103032767", 3, "(01)90012345678908(3103)032767"},
        MethodCase{"0190012345678908{AI}3103032768", 1, "(01)90012345678908(3103)032768"},  // weight too big
        MethodCase{"0190012345678908{AI}3102001750", 1, "(01)90012345678908(3102)001750"},  // 3 decimals only
        MethodCase{"0190012345678908{AI}3202009999", 4, "(01)90012345678908(3202)009999"},
        MethodCase{"0190012345678908{AI}3202010000", 1, "(01)90012345678908(3202)010000"},
        MethodCase{"0190012345678908{AI}3203022767", 4, "(01)90012345678908(3203)022767"},
        MethodCase{"0190012345678908{AI}3203022768", 1, "(01)90012345678908(3203)022768"},
        MethodCase{"0100012345678905{AI}3103001750", 1, "(01)00012345678905(3103)001750"},  // indicator 0
        MethodCase{"0190012345678908{AI}3922123", 5, "(01)90012345678908(3922)123"},
        MethodCase{"0190012345678908{AI}3924123", 1, "(01)90012345678908(3924)123"},
        MethodCase{"0190012345678908{AI}3932978123", 6, "(01)90012345678908(3932)978123"},
        MethodCase{"0190012345678908{AI}3103001750{AI}11991231", 7, "(01)90012345678908(3103)001750(11)991231"},
        MethodCase{"0190012345678908{AI}3203001750{AI}11991231", 8, "(01)90012345678908(3203)001750(11)991231"},
        MethodCase{"0190012345678908{AI}3105001750{AI}13991231", 9, "(01)90012345678908(3105)001750(13)991231"},
        MethodCase{"0190012345678908{AI}3200001750{AI}15000100", 12, "(01)90012345678908(3200)001750(15)000100"},
        MethodCase{"0190012345678908{AI}3203099998{AI}17991231", 14, "(01)90012345678908(3203)099998(17)991231"},
        MethodCase{"0190012345678908{AI}3203099999{AI}17991231", 1,
                   "(01)90012345678908(3203)099999(17)991231"},  // the class stays below 99999
        MethodCase{"0190012345678908{AI}3103001750{AI}11991331", 1,
                   "(01)90012345678908(3103)001750(11)991331"},  // month 13 has no compressed form
        MethodCase{"0190012345678908{AI}3103001750{AI}12991231", 1,
                   "(01)90012345678908(3103)001750(12)991231"},  // (12) is not a compressed date
        MethodCase{"0100012345678905", 1, "(01)00012345678905"},
        MethodCase{"0100012345678905{AI}10ABC", 1, "(01)00012345678905(10)ABC"},
        MethodCase{"10ABC{AI}21x", 2, "(10)ABC21x"},
        // Whole AIs of 3 and 4 digits, no FNC1 shown.
        MethodCase{"10ABC[{AI}4000XYZ", 2, "(10)ABC(400)0XYZ"},
        MethodCase{"0100012345678905{AI}8020ABC123", 1, "(01)00012345678905(8020)ABC123"},  // no FNC1 ends (10): a reader reads on
        MethodCase{"010001234567890", 2, "(01)0001234567890"}));  // 15 characters: no GTIN to compress

TEST(EncodationMethods, MakeTakesWeight99999InTheDateMethods) {
    // The 20-bit field holds 3 x 100000 + 99999; zint 2.15 (-b 31 --dump) draws these modules, the
    // 0111000 method (281 modules for method 1).
    EXPECT_EQ(EncodeExpandedBits("0190012345678908{AI}3203099999{AI}17991231", 0, false, ExpandedWeights::kUpTo99999)
                  .method,
              14);
    const EncodedSymbol symbol = EncodeDataBarExpandedSymbol("(01)90012345678908(3103)099999(11)201231", {});
    ASSERT_EQ(symbol.rows.size(), 1u);
    EXPECT_EQ(ZintDump(symbol.rows[0].modules), "4C 58 6F F0 A3 70 97 9B EB F0 E2 C3 71 ED 78 FC 2F 85 36 50 F2 FF 39 22 1D");
}

TEST(EncodationMethods, CompressedFields) {
    // Header 0100, 9 implied, 001 234 567 890 in 10 bits each, weight 1750 in 15 bits.
    EXPECT_EQ(EncodeExpandedBits("0190012345678908{AI}3103001750").bits,
              Packed("0 0100 0000000001 0011101010 1000110111 1101111010 000011011010110"));
    // (3203): weight + 10000.
    EXPECT_EQ(EncodeExpandedBits("0190012345678908{AI}3203022767").bits,
              Packed("0 0101 0000000001 0011101010 1000110111 1101111010 111111111111111"));
    // Weight with its decimals digit, then the date 99-12-31 as 99 x 384 + 11 x 32 + 31.
    EXPECT_EQ(EncodeExpandedBits("0190012345678908{AI}3103001750{AI}11991231").bits,
              Packed("0 0111000 0000000001 0011101010 1000110111 1101111010 01001001101010110110 1001010111111111"));
    // (3922): decimals in 2 bits, then the price in the general field; 72 bits: length bits 1 0.
    EXPECT_EQ(EncodeExpandedBits("0190012345678908{AI}3922123").bits,
              Packed("0 01100 10 0000000001 0011101010 1000110111 1101111010 10 0010101 0110011 0000 0010"));
    // (3932): decimals, then the currency 978 in 10 bits.
    EXPECT_EQ(EncodeExpandedBits("0190012345678908{AI}3932978123").bits.substr(48, 12), "10" "1111010010");
    // Method 1: the indicator digit in 4 bits; the check digit is not carried.
    EXPECT_EQ(EncodeExpandedBits("0100012345678905").bits,
              Packed("0 1 10 0000 0000000001 0011101010 1000110111 1101111010"));
}

TEST(EncodationMethods, PaddingAndLengthBits) {
    // 12 bits then padding to three characters: in numeric mode "0000" first, then "00100"s.
    EXPECT_EQ(EncodeExpandedBits("10").bits, Packed("0 00 00 0010011 0000 00100 00100 00100 00100"));
    // Ending in alphanumeric mode the padding is "00100" repeated.
    EXPECT_EQ(EncodeExpandedBits("A").bits, Packed("0 00 00 0000 100000 00100 00100 00100 00100 0"));
    // 25 digits: 5 + 12 x 7 + 7 = 96 bits, 8 characters: even count (1), at most 156 bits (0).
    EXPECT_EQ(EncodeExpandedBits(std::string(25, '1')).bits.substr(0, 5), "00010");
    // 44 digits: 5 + 22 x 7 = 159 bits, 14 characters: even count, more than 156 bits (1).
    EXPECT_EQ(EncodeExpandedBits(std::string(44, '1')).bits.substr(0, 5), "00011");
    // 54 digits: 194 bits, 17 characters: odd count (0), long.
    EXPECT_EQ(EncodeExpandedBits(std::string(54, '1')).bits.substr(0, 5), "00001");
}

TEST(EncodationMethods, Rejections) {
    EXPECT_EQ(Failure("0192345678901237{AI}3921"), "No price digits after AI (3921)");  // read back as 392108
    EXPECT_EQ(Failure("0190012345678908{AI}3932978"), "No price digits after AI (3932)");
    EXPECT_EQ(Failure("0190012345678908{AI}393297"), "No price digits after AI (3932)");
    EXPECT_EQ(Failure("0100012345678900"), "Invalid check digit");            // the reader would show 5
    EXPECT_EQ(Failure("0100012345678A05"), "Invalid characters in input data");
    EXPECT_EQ(Failure("01000123456789[5{AI}10A"), "Invalid characters in input data");
    EXPECT_EQ(Failure(std::string(70, '1')), "(no error)");                  // 250 bits: 21 characters
    EXPECT_EQ(Failure(std::string(72, '1')), "Input too long");
    EXPECT_EQ(Failure("10" + std::string(39, 'A')), "(no error)");  // 16 + 39 x 6 = 250 bits
    EXPECT_EQ(Failure("10" + std::string(40, 'A')), "Input too long");
}

TEST(ExpandedSymbol, ElementsAroundTheFinders) {
    // 48 bits: 4 data characters and the check character, finders A1 B2 B1.
    const ExpandedSymbol s = EncodeGS1DataBarExpanded("0100012345678905", false, 0);
    ASSERT_EQ(s.values.size(), 4u);
    ASSERT_EQ(s.elements.size(), 2u + 21 + 21 + 13 + 2);
    EXPECT_EQ(ModuleCount(s.elements), 2 + 49 + 49 + 32 + 2);
    auto span = [&](size_t from, size_t count) {
        return ModuleWidths(s.elements.begin() + long(from), s.elements.begin() + long(from + count));
    };
    EXPECT_EQ(WidthsText(span(10, 5)), "18411");  // A1
    EXPECT_EQ(WidthsText(span(31, 5)), "11463");  // B2: B reversed
    EXPECT_EQ(WidthsText(span(52, 5)), "36411");  // B1
    for (size_t c : {2u, 15u, 23u, 36u, 44u}) EXPECT_EQ(ModuleCount(span(c, 8)), 17) << c;
    // The check character's value carries the character count.
    EXPECT_GE(s.check_value, 211 * (4 - 3));
    EXPECT_LT(s.check_value, 211 * (4 - 2));
    ASSERT_EQ(s.rows.size(), 1u);
    EXPECT_EQ(RunLengths(s.rows[0].modules).front(), 0);  // starts light
}

// Elements of one row of a stacked symbol between its guards.
ModuleWidths Inner(const DataBarRow& row) {
    ModuleWidths runs = RunLengths(row.modules);
    if (runs.front() == 0) runs.erase(runs.begin());
    return ModuleWidths(runs.begin() + 2, runs.end() - 2);
}

TEST(ExpandedStacked, EvenRowsOfEvenColumnsAreReversed) {
    // Method 7: 7 data characters, 8 symbol characters, 4 blocks of 21 elements; 2 per row.
    const std::string code = "0190012345678908{AI}3103001750{AI}11991231";
    const ExpandedSymbol one = EncodeGS1DataBarExpanded(code, false, 0);
    const ExpandedSymbol s = EncodeGS1DataBarExpanded(code, true, 2);
    ASSERT_EQ(s.rows.size(), 5u);
    const ModuleWidths blocks_01(one.elements.begin() + 2, one.elements.begin() + 44);
    ModuleWidths blocks_23_reversed(one.elements.begin() + 44, one.elements.end() - 2);
    std::reverse(blocks_23_reversed.begin(), blocks_23_reversed.end());
    EXPECT_EQ(Inner(s.rows[0]), blocks_01);
    EXPECT_EQ(Inner(s.rows[4]), blocks_23_reversed);
    EXPECT_FALSE(s.rows[0].modules[0]);  // odd rows start light
    EXPECT_TRUE(s.rows[4].modules[0]);   // even rows start dark
    EXPECT_EQ(s.rows[0].modules.size(), 2u + 98 + 2);
    for (size_t r : {1u, 2u, 3u}) EXPECT_EQ(s.rows[r].weight, 1);
    EXPECT_EQ(s.rows[0].weight, -1);
    EXPECT_EQ(s.rows[4].weight, -1);
    // Columns outside 1..10 stack two per row.
    for (int columns : {0, 11, -3})
        EXPECT_EQ(Bits(EncodeGS1DataBarExpanded(code, true, columns).rows[4].modules), Bits(s.rows[4].modules));
}

TEST(ExpandedStacked, OddColumnsReadLeftToRight) {
    const std::string code = "0190012345678908{AI}3103001750{AI}11991231";
    const ExpandedSymbol one = EncodeGS1DataBarExpanded(code, false, 0);
    const ExpandedSymbol s = EncodeGS1DataBarExpanded(code, true, 1);
    ASSERT_EQ(s.rows.size(), 4u * 4 - 3);
    for (size_t k = 0; k < 4; ++k) {
        const DataBarRow& row = s.rows[4 * k];
        const size_t from = 2 + 21 * k;
        EXPECT_EQ(Inner(row), ModuleWidths(one.elements.begin() + long(from), one.elements.begin() + long(from + 21)));
        EXPECT_EQ(row.modules[0], k % 2 == 1) << k;  // rows 2 and 4 start dark
    }
}

TEST(ExpandedStacked, ShortEvenLastRowIsWidenedAndStartsLight) {
    // 5 symbol characters get a sixth (a last row of one would be too short): 3 blocks. Two per
    // row: the second row holds one block, left to right, one light module wider.
    const ExpandedSymbol s = EncodeGS1DataBarExpanded("0100012345678905", true, 2);
    ASSERT_EQ(s.rows.size(), 5u);
    const std::vector<bool>& last = s.rows[4].modules;
    EXPECT_EQ(Bits(last).substr(0, 3), "001");
    EXPECT_EQ(last.size(), 2u + 1 + 49 + 2);
    EXPECT_EQ(Inner(s.rows[4]), ModuleWidths(s.elements.begin() + 44, s.elements.end() - 2));
    // Three per row with five blocks: an odd column count needs no widening.
    const ExpandedSymbol three = EncodeGS1DataBarExpanded(std::string(28, '1'), true, 3);
    ASSERT_EQ(three.values.size() + 1, 10u);
    EXPECT_EQ(Bits(three.rows[4].modules).substr(0, 2), "10");
}

TEST(ExpandedStacked, SeparatorRows) {
    const std::string code = "0190012345678908{AI}3103001750{AI}11991231";
    const ExpandedSymbol s = EncodeGS1DataBarExpanded(code, true, 2);
    const std::string upper = Bits(s.rows[0].modules), lower = Bits(s.rows[4].modules);
    const std::string below_upper = Bits(s.rows[1].modules), middle = Bits(s.rows[2].modules),
                      above_lower = Bits(s.rows[3].modules);
    for (size_t i = 0; i < middle.size(); ++i) EXPECT_EQ(middle[i], i >= 5 && i < 98 && i % 2 == 1 ? '1' : '0') << i;
    struct Pair {
        const std::string& row;
        const std::string& separator;
        bool left_to_right;
    };
    for (const Pair& p : {Pair{upper, below_upper, true}, Pair{lower, above_lower, false}}) {
        ASSERT_EQ(p.separator.size(), p.row.size());
        EXPECT_EQ(p.separator.substr(0, 4), "0000");
        EXPECT_EQ(p.separator.substr(p.separator.size() - 4), "0000");
        for (size_t j = 0; j < 2; ++j) {
            const size_t s0 = 49 * j + 18;
            // Outside the finder windows the separator is the row's complement.
            for (size_t i = 4 + (j == 0 ? 0 : 49 * j - 16); i < s0; ++i) EXPECT_NE(p.separator[i], p.row[i]) << i;
            // Inside, modules over dark row modules are light and no two dark separator modules touch.
            for (size_t i = s0; i < s0 + 15; ++i) {
                if (p.row[i] == '1') {
                    EXPECT_EQ(p.separator[i], '0') << i;
                }
                EXPECT_FALSE(p.separator[i] == '1' && p.separator[i + 1] == '1') << i;
            }
        }
    }
}

TEST(ExpandedStacked, ReversedRowStartingWithALoneHalfBlock) {
    // 18 digits: 68 bits, 6 data characters, 7 symbol characters: 4 blocks, the last a character
    // and a finder. Two per row: the full second row is reversed, so that finder comes first.
    const ExpandedSymbol s = EncodeGS1DataBarExpanded(std::string(18, '1'), true, 2);
    ASSERT_EQ(s.values.size(), 6u);
    ASSERT_EQ(s.rows.size(), 5u);
    const std::string row = Bits(s.rows[4].modules), separator = Bits(s.rows[3].modules);
    ASSERT_EQ(row.size(), 2u + 32 + 49 + 2);
    // The finder's widths, reversed, right after the guard (the sequence for 4 finders ends D2).
    const ModuleWidths runs = Inner(s.rows[4]);
    EXPECT_EQ(WidthsText(ModuleWidths(runs.begin(), runs.begin() + 5)), "32811");
    // The separator is broken up over that finder, not over where a full block's finder would be.
    for (size_t i = 1; i < 17; ++i) {
        if (row[i] == '1') {
            EXPECT_EQ(separator[i], '0') << i;
        }
        EXPECT_FALSE(separator[i] == '1' && separator[i + 1] == '1') << i;
    }
}

}  // namespace
