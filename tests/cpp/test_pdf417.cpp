#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/classes/matrix_classes.h"
#include "symbologies/matrix/pdf417.h"
#include "symbologies/matrix/pdf417_clusters.h"
#include "symbologies/matrix/pdf417_compaction.h"
#include "symbologies/matrix/pdf417_error_correction.h"
#include "symbologies/matrix/pdf417_symbol.h"

// Readable layouts in failure messages (found by argument-dependent lookup).
void PrintTo(const Pdf417Layout& l, std::ostream* os) {
    *os << l.columns << " columns x " << l.rows << " rows, level " << l.level;
}

namespace {

using Segments = std::vector<Pdf417Segment>;
using Codewords = std::vector<int>;

struct SegmentCase {
    std::string input;
    Segments expected;
};

TEST(Pdf417Segmentation, SplitsAndMerges) {
    const std::string d13 = "1234567890123";
    const std::vector<SegmentCase> cases = {
        {"HELLO", {{'T', 0, 5}}},
        {"ABC" + d13 + "DEF", {{'T', 0, 3}, {'N', 3, 16}, {'T', 16, 19}}},
        {"ABC123456789012DEF", {{'T', 0, 18}}},  // 12 digits stay text
        {d13, {{'N', 0, 13}}},
        {d13 + d13, {{'N', 0, 26}}},
        {"AB" + d13, {{'T', 0, 2}, {'N', 2, 15}}},
        {d13 + "\x80", {{'N', 0, 13}, {'B', 13, 14}}},
        {"\x80" + d13 + "\x81", {{'B', 0, 1}, {'N', 1, 14}, {'B', 14, 15}}},
        {"12345678", {{'T', 0, 8}}},
        {"abc\x80" "def", {{'T', 0, 7}}},          // lone byte between text: first pass
        {"a\x80" "bc", {{'T', 0, 4}}},             // text lengths 1 + 2 are enough
        {"a\x80" "b", {{'B', 0, 3}}},              // 1 + 1 is not: bytes take the short text
        {"HELLO\x80", {{'T', 0, 6}}},              // long text takes a single byte
        {"\x80\x81" "ABCDE", {{'B', 0, 2}, {'T', 2, 7}}},  // but not two
        {"AB\x80\x81", {{'B', 0, 4}}},
        {"ABCDE\x80\x81XY", {{'T', 0, 5}, {'B', 5, 9}}},
        {"A\x80\x80" "B", {{'B', 0, 4}}},
        {std::string("\x00\x01\x02\x03\x04\x05", 6), {{'B', 0, 6}}},
        {"line\r\nnext\ttab", {{'T', 0, 14}}},
    };
    for (const SegmentCase& c : cases) EXPECT_EQ(SegmentPdf417(c.input), c.expected) << c.input;
}

struct CompactionCase {
    std::string input;
    Codewords expected;
};

TEST(Pdf417Compaction, Codewords) {
    const std::vector<CompactionCase> cases = {
        {"HELLO", {4, 214, 341, 449}},
        {"Hello", {4, 237, 131, 344}},
        {"A", {2, 29}},
        {"12345678", {6, 841, 63, 125, 187, 269}},
        // sub-mode changes
        {"A;B", {3, 29, 1}},               // punctuation shift
        {"A;<>B", {5, 28, 750, 32, 871}},  // punctuation latch, back to alpha
        {"aB c", {4, 810, 811, 782}},      // alpha shift from lower
        {"aBCD", {5, 810, 868, 32, 119}},  // alpha latch from lower
        {"A1a", {4, 28, 57, 29}},
        {"1A", {3, 841, 840}},
        {"1;", {3, 841, 870}},
        {"1;<>", {4, 841, 750, 32}},
        {"A\r", {3, 28, 359}},  // in mixed and punctuation: mixed
        {"A\n", {3, 29, 479}},  // punctuation only
        // bytes shifted into text, padded to an even position first
        {"abc\x80" "def", {7, 810, 32, 913, 128, 94, 179}},
        {"abcd\x80" "efgh", {8, 810, 32, 119, 913, 128, 125, 187}},
        // byte compaction
        {"\x80\x81\x82\x83\x84\x85", {7, 924, 215, 318, 502, 193, 33}},
        {"\x80\x81\x82\x83\x84\x85\x86", {8, 901, 215, 318, 502, 193, 33, 134}},
        {"a\x80" "b", {5, 901, 97, 128, 98}},
        // numeric compaction and the latches around it
        {"1234567890123", {7, 902, 17, 110, 836, 811, 223}},
        {"AB1234567890123", {8, 1, 902, 17, 110, 836, 811, 223}},
        {"1234567890123AB", {9, 902, 17, 110, 836, 811, 223, 900, 1}},
        {"1234567890123456789012345678901234567890123412345",
         {19, 902, 491, 81, 137, 450, 302, 67, 15, 174, 492, 862, 667, 475, 869, 12, 434, 124, 745}},
    };
    for (const CompactionCase& c : cases) EXPECT_EQ(CompactPdf417(c.input), c.expected) << c.input;
}

TEST(Pdf417Compaction, Errors) {
    EXPECT_THROW(CompactPdf417(""), std::runtime_error);
    try {
        CompactPdf417(std::string(5421, 'A'));
        FAIL();
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "The text is too big.");
    }
    // Largest inputs of each compaction that still fit, and one more.
    EXPECT_EQ(CompactPdf417(std::string(1850, 'A')).size(), 926u);  // 1 + 1850 / 2
    EXPECT_THROW(CompactPdf417(std::string(1851, 'A')), std::out_of_range);
    EXPECT_EQ(CompactPdf417(std::string(1108, '\xff')).size(), 926u);  // 1 + 1 + 184 * 5 + 4
    EXPECT_THROW(CompactPdf417(std::string(1109, '\xff')), std::out_of_range);
    EXPECT_EQ(CompactPdf417(std::string(2710, '7')).size(), 926u);  // 1 + 1 + 61 * 15 + 9
    EXPECT_THROW(CompactPdf417(std::string(2711, '7')), std::out_of_range);
}

TEST(Pdf417Level, Arithmetic) {
    const std::vector<std::pair<int, int>> space = {{0, -1}, {1, -1}, {2, 0}, {3, 0}, {4, 1}, {7, 1}, {8, 2},
                                                    {31, 3}, {32, 4}, {511, 7}, {512, 8}, {900, 8}};
    for (auto [free, level] : space) EXPECT_EQ(Pdf417LevelForSpace(free), level) << free;
    const std::vector<std::pair<int, int>> requested = {{2, 2},   {40, 2},  {41, 3},  {160, 3},
                                                        {161, 4}, {320, 4}, {321, 5}, {926, 5}};
    for (auto [d, level] : requested) EXPECT_EQ(Pdf417RequestedLevel(d), level) << d;
}

struct LayoutCase {
    int data;
    Pdf417Settings settings;
    Pdf417Layout expected;  // columns, rows, level
};

Pdf417Settings Aspect(double ratio) {
    Pdf417Settings s;
    s.aspect_ratio = ratio;
    return s;
}

Pdf417Settings Fixed(int columns, int rows, int level = -1) {
    Pdf417Settings s;
    s.columns = columns;
    s.rows = rows;
    if (level >= 0) {
        s.error_level = level;
        s.auto_error_level = false;
    }
    return s;
}

TEST(Pdf417Layout, Choice) {
    const std::vector<LayoutCase> cases = {
        {4, {}, {1, 12, 2}},
        {2, Aspect(0.001), {30, 3, 5}},
        {4, Aspect(1000), {1, 12, 2}},
        {100, Aspect(1000), {2, 90, 5}},   // F = 116 is over 90 rows
        {900, {}, {16, 58, 3}},
        {600, Aspect(5), {8, 90, 5}},
        {900, Aspect(0.001), {29, 32, 3}},  // 30 x 31 would exceed 928 codewords
        {900, Aspect(5), {16, 58, 3}},      // 11 x 90 would exceed 928 codewords
        {4, Fixed(5, 0), {5, 3, 2}},
        {4, Fixed(0, 10), {2, 10, 3}},
        {4, Fixed(1, 6), {1, 6, 0}},       // the automatic level gives way to the fixed size
        {4, Fixed(0, 0, 0), {1, 6, 0}},
        {4, Fixed(0, 0, 8), {12, 43, 8}},
        {416, Fixed(0, 0, 8), {16, 58, 8}},
        {4, Fixed(30, 3, 0), {30, 3, 0}},  // a fixed level is not raised to fill the space
    };
    for (const LayoutCase& c : cases) {
        EXPECT_EQ(ChoosePdf417Layout(c.data, c.settings), c.expected)
            << c.data << " " << c.settings.columns << "x" << c.settings.rows;
    }
}

TEST(Pdf417Layout, DataThatDoesNotFitAFixedLayout) {
    const std::vector<std::pair<int, Pdf417Settings>> cases = {
        {4, Fixed(1, 3)},        {2, Fixed(1, 3)},         {417, Fixed(0, 0, 8)}, {100, Fixed(1, 0)},
        {100, Fixed(0, 3)},      {2, Fixed(30, 90)},       {900, Fixed(30, 0)},   {900, Fixed(0, 90)},
        {40, Fixed(10, 5, 6)},
    };
    for (const auto& [data, settings] : cases) {
        EXPECT_THROW(ChoosePdf417Layout(data, settings), std::out_of_range)
            << data << " " << settings.columns << "x" << settings.rows;
    }
}

TEST(Pdf417RowIndicators, Values) {
    const Pdf417Layout layout{3, 10, 4};
    const std::vector<std::pair<int, int>> expected = {{3, 2},   {12, 3},  {2, 12},  {33, 32}, {42, 33},
                                                       {32, 42}, {63, 62}, {72, 63}, {62, 72}, {93, 92}};
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(Pdf417LeftRowIndicator(row, layout), expected[row].first) << row;
        EXPECT_EQ(Pdf417RightRowIndicator(row, layout), expected[row].second) << row;
    }
    const Pdf417Layout largest{30, 90, 8};  // indicators of the last rows stay below 900
    EXPECT_EQ(Pdf417LeftRowIndicator(89, largest), 870 + 29);
    EXPECT_EQ(Pdf417RightRowIndicator(88, largest), 870 + 29);
}

TEST(Pdf417ErrorCorrection, GeneratorCoefficients) {
    EXPECT_EQ(Pdf417GeneratorCoefficients(0), (Codewords{27, 917}));
    EXPECT_EQ(Pdf417GeneratorCoefficients(1), (Codewords{522, 568, 723, 809}));
    EXPECT_EQ(Pdf417GeneratorCoefficients(2), (Codewords{237, 308, 436, 284, 646, 653, 428, 379}));
    const Codewords& l4 = Pdf417GeneratorCoefficients(4);
    EXPECT_EQ(Codewords(l4.begin(), l4.begin() + 4), (Codewords{361, 575, 922, 525}));
    const Codewords& l8 = Pdf417GeneratorCoefficients(8);
    ASSERT_EQ(l8.size(), 512u);
    EXPECT_EQ(Codewords(l8.begin(), l8.begin() + 3), (Codewords{352, 77, 373}));
    EXPECT_EQ(Codewords(l8.end() - 2, l8.end()), (Codewords{303, 263}));
}

// A complete codeword sequence is a multiple of the generator: it vanishes at 3, 3^2, ..., 3^k.
TEST(Pdf417ErrorCorrection, CodewordsVanishAtTheGeneratorRoots) {
    std::mt19937 rng(417);
    for (int level = 0; level <= 8; ++level) {
        Codewords all(1 + rng() % 300);
        for (int& v : all) v = int(rng() % 929);
        const Codewords ec = Pdf417ErrorCorrection(all, level);
        ASSERT_EQ(int(ec.size()), 2 << level);
        all.insert(all.end(), ec.begin(), ec.end());
        int root = 1;
        for (size_t i = 0; i < ec.size(); ++i) {
            root = root * 3 % 929;
            long value = 0;
            for (const int c : all) value = (value * root + c) % 929;
            EXPECT_EQ(value, 0) << "level " << level << " root " << i + 1;
        }
    }
}

std::string RowBits(const ModuleMatrix& m, int row, int from, int count) {
    std::string bits;
    for (int x = from; x < from + count; ++x) bits += m.Get(x, row) ? '1' : '0';
    return bits;
}

TEST(Pdf417Encoder, HelloSymbol) {
    Pdf417Encoder encoder{Pdf417Settings{}};
    const ModuleMatrix m = encoder.Encode("HELLO");
    EXPECT_EQ(encoder.Layout(), (Pdf417Layout{1, 12, 2}));
    ASSERT_EQ(m.Columns(), 86);
    ASSERT_EQ(m.Rows(), 12);
    const Codewords& cw = encoder.Codewords();
    ASSERT_EQ(cw.size(), 12u);
    EXPECT_EQ(Codewords(cw.begin(), cw.begin() + 4), (Codewords{4, 214, 341, 449}));
    for (int row = 0; row < 12; ++row) {
        EXPECT_EQ(RowBits(m, row, 0, 17), "11111111010101000") << row;
        EXPECT_EQ(RowBits(m, row, 68, 18), "111111101000101001") << row;
        // each codeword of the row in the row's cluster, row indicators around the data
        const int cluster = row % 3;
        const uint32_t left = Pdf417CodewordPattern(cluster, Pdf417LeftRowIndicator(row, encoder.Layout()));
        const uint32_t data = Pdf417CodewordPattern(cluster, cw[size_t(row)]);
        for (int bit = 0; bit < 17; ++bit) {
            EXPECT_EQ(m.Get(17 + bit, row), bool((left >> (16 - bit)) & 1));
            EXPECT_EQ(m.Get(34 + bit, row), bool((data >> (16 - bit)) & 1));
        }
    }
}

TEST(Pdf417Encoder, PaddingAndLengthDescriptor) {
    Pdf417Settings settings;
    settings.aspect_ratio = 0.001;
    Pdf417Encoder encoder{settings};
    encoder.Encode("A");
    const Codewords& cw = encoder.Codewords();
    ASSERT_EQ(cw.size(), 90u);
    EXPECT_EQ(cw[0], 26);
    EXPECT_EQ(cw[1], 29);
    for (int i = 2; i < 26; ++i) EXPECT_EQ(cw[size_t(i)], 900) << i;
}

TEST(Pdf417Class, Setters) {
    PDF417 p("png");
    EXPECT_TRUE(p.Settings().auto_error_level);
    p.SetErrorLevel(5);
    EXPECT_FALSE(p.Settings().auto_error_level);
    EXPECT_EQ(p.Settings().error_level, 5);
    p.SetErrorLevel(9);
    EXPECT_TRUE(p.Settings().auto_error_level);
    p.SetColumns(7);
    p.SetColumns(31);
    p.SetColumns(-1);
    EXPECT_EQ(p.Settings().columns, 7);
    p.SetRows(20);
    for (int ignored : {1, 2, 91, -3}) p.SetRows(ignored);
    EXPECT_EQ(p.Settings().rows, 20);
    p.SetAspectRatio(0);
    p.SetAspectRatio(1000.5);
    EXPECT_EQ(p.Settings().aspect_ratio, 0.5);
    p.SetAspectRatio(0.001);
    EXPECT_EQ(p.Settings().aspect_ratio, 0.001);
    p.SetYHeight(0);
    EXPECT_EQ(p.Settings().row_height, 3);
}

TEST(Pdf417Class, SquareDrawWidth) {
    EXPECT_EQ(Pdf417SquareDrawWidth(300, 86, 12, 3), 717);
    EXPECT_EQ(Pdf417SquareDrawWidth(150, 120, 5, 3), 1200);
    EXPECT_EQ(Pdf417SquareDrawWidth(150, 120, 5, 0), 1200);  // below 1 counts as 3
}

}  // namespace
