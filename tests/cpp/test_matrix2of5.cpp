#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "core/classes/linear_classes.h"
#include "symbologies/linear/matrix2of5.h"
#include "symbologies/linear/nec2of5.h"
#include "tests/cpp/linear_test_util.h"

namespace {

struct MatrixCase {
    std::string code;
    std::string widths;
};

class Matrix2of5Patterns : public ::testing::TestWithParam<MatrixCase> {};

TEST_P(Matrix2of5Patterns, StartDigitsEnd) {
    EXPECT_EQ(WidthsText(EncodeMatrix2of5(GetParam().code)), GetParam().widths);
    EXPECT_EQ(WidthsText(EncodeNEC2of5(GetParam().code)), GetParam().widths);
}

// Worked out by hand from the digit codes (weights 7 4 2 1 0; a set bit is a wide element).
INSTANTIATE_TEST_SUITE_P(
    Table, Matrix2of5Patterns,
    ::testing::Values(MatrixCase{"5", "3131" "13131" "133"},
                      MatrixCase{"0", "3131" "33111" "133"},
                      MatrixCase{"90", "3131" "31311" "1" "33111" "133"},
                      MatrixCase{"0123456789", "3131"
                                               "33111" "1" "11133" "1" "11313" "1" "11331" "1" "13113" "1"
                                               "13131" "1" "13311" "1" "31113" "1" "31131" "1" "31311"
                                               "133"}));

TEST(Matrix2of5, TenDigitsTenDistinctPatternsTwoWideEach) {
    const ModuleWidths w = EncodeMatrix2of5("0123456789");
    std::set<std::string> patterns;
    for (int d = 0; d < 10; ++d) {
        const std::string p = WidthsText(w).substr(4 + 6 * d, 5);
        EXPECT_EQ(std::count(p.begin(), p.end(), '3'), 2) << d;
        patterns.insert(p);
    }
    EXPECT_EQ(patterns.size(), 10u);
}

TEST(Matrix2of5, SizeAndTrailingSpace) {
    for (size_t n : {1u, 2u, 3u, 17u, 3000u}) {
        const ModuleWidths w = EncodeMatrix2of5(std::string(n, '4'));
        EXPECT_EQ(w.size(), 6 * n + 6) << n;  // odd counts are not padded
        EXPECT_EQ(ModuleCount(w), int(10 * n + 14)) << n;
        EXPECT_EQ(w.size() % 2, 0u) << "ends with a space";
        EXPECT_EQ(w.back(), 3);
    }
}

TEST(Matrix2of5, BothClassesShareTheEncoderButNotTheMessage) {
    EXPECT_EQ(EncodeMatrix2of5("8675309"), EncodeNEC2of5("8675309"));
    EXPECT_EQ(EncodeError(EncodeMatrix2of5, ""), "Empty string");
    EXPECT_EQ(EncodeError(EncodeNEC2of5, ""), "Empty string");
    for (const char* bad : {"12 3", "A1", "1.0", "\x80"}) {
        EXPECT_EQ(EncodeError(EncodeMatrix2of5, bad), "Matrix 2 of 5 barcode requires numeric digits only") << bad;
        EXPECT_EQ(EncodeError(EncodeNEC2of5, bad), "NEC 2 of 5 barcode requires numeric digits only") << bad;
    }
}

}  // namespace
