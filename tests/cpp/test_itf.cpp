#include <gtest/gtest.h>

#include <string>

#include "core/classes/linear_classes.h"
#include "symbologies/linear/itf.h"
#include "tests/cpp/linear_test_util.h"

namespace {

struct ItfCase {
    std::string code;
    std::string widths;
};

class ItfPatterns : public ::testing::TestWithParam<ItfCase> {};

TEST_P(ItfPatterns, StartPairsStop) { EXPECT_EQ(WidthsText(EncodeITF(GetParam().code)), GetParam().widths); }

// Pairs interleaved by hand: first digit's code in the bars, second digit's in the spaces.
INSTANTIATE_TEST_SUITE_P(
    Table, ItfPatterns,
    ::testing::Values(
        // 1 = 10001 (bars), 2 = 01001 (spaces).
        ItfCase{"12", "1111" "3113111133" "311"},
        // 0 = 00110, 9 = 01010.
        ItfCase{"09", "1111" "1113313311" "311"},
        // Odd count: 5 -> 05: 0 = 00110 in the bars, 5 = 10100 in the spaces.
        ItfCase{"5", "1111" "1311333111" "311"},
        // 3 = 11000 with 4 = 00101, 7 = 00011 with 8 = 10010.
        ItfCase{"3478", "1111" "3131131113" "1311113331" "311"}));

TEST(ITF, OddCountGetsLeadingZero) {
    EXPECT_EQ(EncodeITF("123"), EncodeITF("0123"));
    EXPECT_NE(EncodeITF("123"), EncodeITF("1230"));
}

TEST(ITF, EveryDigitHasTwoWideOfFive) {
    for (char d = '0'; d <= '9'; ++d) {
        const ModuleWidths w = EncodeITF(std::string(1, d) + "0");
        int wide = 0;
        for (size_t i = 4; i < 14; i += 2) wide += w[i] == 3;
        EXPECT_EQ(wide, 2) << d;
    }
}

TEST(ITF, SizeFollowsThePaddedDigitCount) {
    for (size_t n : {1u, 2u, 3u, 14u, 4001u}) {
        const size_t padded = n + n % 2;
        const ModuleWidths w = EncodeITF(std::string(n, '8'));
        EXPECT_EQ(w.size(), 10 * (padded / 2) + 7) << n;
        EXPECT_EQ(ModuleCount(w), int(9 * padded + 9)) << n;
    }
    EXPECT_EQ(ModuleCount(EncodeITF("42")), 27);
}

TEST(ITF, InvalidInputMessages) {
    EXPECT_EQ(EncodeError(EncodeITF, ""), "Empty string");
    for (const char* bad : {"12 34", "+12", "1.5", "12a", "\xEF\xBC\x91", "-1"})
        EXPECT_EQ(EncodeError(EncodeITF, bad), "ITF barcode requires numeric digits only") << bad;
}

}  // namespace
