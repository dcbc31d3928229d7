#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/classes/databar_classes.h"
#include "symbologies/databar/gs1_databar14.h"
#include "tests/cpp/linear_test_util.h"

namespace {

std::string Message(const std::string& code) {
    return EncodeError([](const std::string& c) { return EncodeGS1DataBar14(c, kDataBar14Omnidirectional); }, code);
}

std::string Bits(const std::vector<bool>& modules) {
    std::string s;
    for (bool m : modules) s += m ? '1' : '0';
    return s;
}

TEST(GS1DataBar14, AllZeroGtinElementList) {
    // d1..d4 = 0: outside 1 1 1 1 2 1 8 1, inside 1 1 1 1 1 1 2 7; checksum 2452 mod 79 = 3 -> finders 0 and 3.
    const DataBar14Symbol s = EncodeGS1DataBar14("", kDataBar14Omnidirectional);
    EXPECT_EQ(s.digits, "00000000000000");
    EXPECT_EQ(s.checksum, 3);
    EXPECT_EQ(s.left_finder, 0);
    EXPECT_EQ(s.right_finder, 3);
    EXPECT_EQ(WidthsText(s.elements), "11" "11112181" "38211" "72111111" "11111127" "11913" "18121111" "11");
    EXPECT_EQ(ModuleCount(s.elements), 96);
}

TEST(GS1DataBar14, ShortInputIsPaddedAndGetsItsCheckDigit) {
    EXPECT_EQ(EncodeGS1DataBar14("1234567", kDataBar14Omnidirectional).digits, "00000012345670");
    EXPECT_EQ(EncodeGS1DataBar14("1234567", 0).elements, EncodeGS1DataBar14("0000001234567", 0).elements);
    EXPECT_EQ(EncodeGS1DataBar14("1234567890123", 0).digits, "12345678901231");
}

TEST(GS1DataBar14, Rejections) {
    EXPECT_EQ(Message("12a4"), "GS1 DataBar requires numeric digits only");
    EXPECT_EQ(Message(" 1"), "GS1 DataBar requires numeric digits only");
    EXPECT_EQ(Message("12345678901231"), "Input too long (max 13 digits)");
    EXPECT_EQ(Message("9999999999999"), "(no error)");
}

TEST(GS1DataBar14, CheckDigit) {
    EXPECT_EQ(GS1DataBar14::CalculateCheckDigit("0123456789012"), "8");
    EXPECT_EQ(GS1DataBar14::CalculateCheckDigit("9999999999999"), "7");
    for (const char* bad : {"012345678901", "01234567890123", "", "012345678901A"})
        EXPECT_EQ(EncodeError(GS1DataBar14::CalculateCheckDigit, bad), "CalculateCheckDigit requires exactly 13 digits")
            << bad;
}

TEST(GS1DataBar14, ChecksumSkipsTheUnusedFinderPairs) {
    std::mt19937_64 rng(14);
    for (int i = 0; i < 2000; ++i) {
        const std::string code = std::to_string(rng() % 10000000000000ULL);
        const DataBar14Symbol s = EncodeGS1DataBar14(code, kDataBar14Omnidirectional);
        ASSERT_NE(s.checksum, 8);
        ASSERT_NE(s.checksum, 72);
        ASSERT_LE(s.checksum, 80);
        ASSERT_EQ(s.left_finder * 9 + s.right_finder, s.checksum);
        ASSERT_EQ(s.elements.size(), 46u);
        ASSERT_EQ(ModuleCount(s.elements), 96);
        // Outside characters are 16 modules, inside ones 15, finders 15.
        auto span = [&](size_t from, size_t count) {
            return ModuleCount(ModuleWidths(s.elements.begin() + long(from), s.elements.begin() + long(from + count)));
        };
        ASSERT_EQ(span(2, 8), 16);
        ASSERT_EQ(span(10, 5), 15);
        ASSERT_EQ(span(15, 8), 15);
        ASSERT_EQ(span(23, 8), 15);
        ASSERT_EQ(span(31, 5), 15);
        ASSERT_EQ(span(36, 8), 16);
    }
}

TEST(GS1DataBar14, OneRowForm) {
    const DataBar14Symbol s = EncodeGS1DataBar14("1234567890123", kDataBar14Omnidirectional);
    ASSERT_EQ(s.rows.size(), 1u);
    EXPECT_EQ(s.rows[0].weight, -1);
    EXPECT_EQ(RunLengths(s.rows[0].modules), [&] {
        ModuleWidths runs = {0};
        runs.insert(runs.end(), s.elements.begin(), s.elements.end());
        return runs;
    }());
}

TEST(GS1DataBar14, StackedRowsAndSeparator) {
    const DataBar14Symbol one = EncodeGS1DataBar14("1234567890123", kDataBar14Omnidirectional);
    const DataBar14Symbol s = EncodeGS1DataBar14("1234567890123", kDataBar14Stacked);
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(s.rows[0].weight, 5);
    EXPECT_EQ(s.rows[1].weight, 1);
    EXPECT_EQ(s.rows[2].weight, 7);
    const std::string row = Bits(one.rows[0].modules);
    const std::string top = Bits(s.rows[0].modules), sep = Bits(s.rows[1].modules), bottom = Bits(s.rows[2].modules);
    // The top row is the left half closed by a bar and a space; the bottom row opens with them.
    EXPECT_EQ(top, row.substr(0, 48) + "10");
    EXPECT_EQ(bottom, "10" + row.substr(48));
    EXPECT_EQ(sep.substr(0, 4), "0000");
    EXPECT_EQ(sep.substr(46), "0000");
    for (size_t i = 4; i < 46; ++i) {
        if (top[i] == bottom[i]) {
            EXPECT_NE(sep[i], top[i]) << i;  // complement where the rows agree
        } else {
            EXPECT_NE(sep[i], sep[i - 1]) << i;  // alternating where they differ
        }
    }
}

TEST(GS1DataBar14, StackedOmnidirectionalSeparators) {
    const DataBar14Symbol stacked = EncodeGS1DataBar14("", kDataBar14Stacked);
    const DataBar14Symbol s = EncodeGS1DataBar14("", kDataBar14StackedOmnidirectional);
    ASSERT_EQ(s.rows.size(), 5u);
    const std::vector<int> weights = {s.rows[0].weight, s.rows[1].weight, s.rows[2].weight, s.rows[3].weight,
                                      s.rows[4].weight};
    EXPECT_EQ(weights, (std::vector<int>{-1, 1, 1, 1, -1}));
    EXPECT_EQ(s.rows[0].modules, stacked.rows[0].modules);
    EXPECT_EQ(s.rows[4].modules, stacked.rows[2].modules);
    EXPECT_EQ(Bits(s.rows[2].modules), "00000" + [] {
        std::string alternating;
        for (int i = 5; i <= 45; ++i) alternating += i % 2 == 1 ? '1' : '0';
        return alternating;
    }() + "0000");

    // All zero: row 0 over modules 17..32 is the last bar of d1, then the finder 3 8 2 1 1 from a
    // space; row 4 over 16..31 is the last space of d4, then the reversed finder 1 1 9 1 3 from a bar.
    const std::string top = Bits(s.rows[0].modules), bottom = Bits(s.rows[4].modules);
    ASSERT_EQ(top.substr(17, 16), "1000111111110010");
    ASSERT_EQ(bottom.substr(16, 16), "0101111111110111");
    const std::string top_sep = Bits(s.rows[1].modules), bottom_sep = Bits(s.rows[3].modules);
    // Over the light finder modules the separator alternates, restarting dark after each dark module;
    // with right finder 3 the bottom one's dark module over the wide space moves from 28 to 29
    // (zint gives the same modules).
    EXPECT_EQ(top_sep.substr(17, 16), "0101000000001001");
    EXPECT_EQ(bottom_sep.substr(16, 16), "1010000000000100");
    // Elsewhere it is the complement of its row, inside four light modules at each end.
    for (size_t i = 0; i < 50; ++i) {
        if (i < 4 || i >= 46) {
            EXPECT_EQ(top_sep[i], '0');
            EXPECT_EQ(bottom_sep[i], '0');
        }
        if (i >= 4 && i < 46 && (i < 17 || i > 32)) {
            EXPECT_NE(top_sep[i], top[i]) << i;
        }
        if (i >= 4 && i < 46 && (i < 16 || i > 31)) {
            EXPECT_NE(bottom_sep[i], bottom[i]) << i;
        }
    }
}

}  // namespace
