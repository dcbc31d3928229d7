#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/classes/linear_classes.h"
#include "symbologies/linear/code93.h"
#include "tests/cpp/linear_test_util.h"

namespace {

constexpr char kStart[] = "111141";
constexpr char kStop[] = "1111411";

// The six widths of symbol character `index` (0 = first data character) after the start.
std::string CharacterPattern(const ModuleWidths& widths, size_t index) {
    return WidthsText(widths).substr(6 + 6 * index, 6);
}

std::string Message(const std::string& code) { return EncodeError(EncodeCode93, code); }

TEST(Code93, SingleCharacterIsFramedWithBothCheckCharacters) {
    // A (10): C = 10 -> "A", K = 10*2 + 10*1 = 30 -> "U".
    const ModuleWidths w = EncodeCode93("A");
    EXPECT_EQ(WidthsText(w), std::string(kStart) + "211113" + "211113" + "221121" + kStop);
    EXPECT_EQ(w.size(), 31u);
    EXPECT_EQ(ModuleCount(w), 46);
}

struct CheckCase {
    std::string data;
    std::string c_pattern;  // pattern of the check character C
    std::string k_pattern;  // pattern of the check character K
};

class Code93Checks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Code93Checks, CheckCharactersFollowTheData) {
    const CheckCase& c = GetParam();
    const ModuleWidths w = EncodeCode93(c.data);
    EXPECT_EQ(CharacterPattern(w, c.data.size()), c.c_pattern);
    EXPECT_EQ(CharacterPattern(w, c.data.size() + 1), c.k_pattern);
}

// Worked by hand from the value list and the 1..20 / 1..15 weight cycles.
INSTANTIATE_TEST_SUITE_P(
    Table, Code93Checks,
    ::testing::Values(
        CheckCase{"TEST93", "113121", "121311"},  // C = 464 mod 47 = 41 "+", K = 617 mod 47 = 6 "6"
        CheckCase{"0", "131112", "131112"},       // all zero
        // 21 characters: the second carries weight 20 in C. C = 200 mod 47 = 12 "C";
        // K: weight 6 for it, 1 for C: 60 + 12 = 72 mod 47 = 25 "P".
        CheckCase{"0A" + std::string(19, '0'), "211311", "131121"},
        // 21 characters: the first carries weight 1 in C (10 "A") and 7 in K: 70 + 10 = 80 mod 47 = 33 "X".
        CheckCase{"A" + std::string(20, '0'), "211113", "112221"},
        // 16 characters: the K weight of the first wraps to 2: C = 10*16 mod 47 = 19 "J"; K = 10*2 + 19 = 39 "$".
        CheckCase{"A" + std::string(15, '0'), "122112", "321111"}));

TEST(Code93, LowerCaseEncodesLikeUpperCase) {
    EXPECT_EQ(EncodeCode93("abc-xyz"), EncodeCode93("ABC-XYZ"));
}

TEST(Code93, ShiftBytesUseTheShiftPatterns) {
    const ModuleWidths w = EncodeCode93("<>?!");
    EXPECT_EQ(CharacterPattern(w, 0), "121221");
    EXPECT_EQ(CharacterPattern(w, 1), "312111");
    EXPECT_EQ(CharacterPattern(w, 2), "311121");
    EXPECT_EQ(CharacterPattern(w, 3), "122211");
}

TEST(Code93, EveryPatternHasNineModulesAndThreeBars) {
    const std::string all = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%<>?!";
    const ModuleWidths w = EncodeCode93(all);
    for (size_t i = 0; i < all.size(); ++i) {
        const std::string p = CharacterPattern(w, i);
        int sum = 0;
        for (char d : p) sum += d - '0';
        EXPECT_EQ(sum, 9) << all[i];
    }
}

TEST(Code93, SizeGrowsLinearlyWithTheData) {
    for (size_t n : {1u, 2u, 20u, 21u, 300u, 5000u}) {
        const ModuleWidths w = EncodeCode93(std::string(n, '7'));
        EXPECT_EQ(w.size(), 6 * (n + 3) + 7) << n;
        EXPECT_EQ(ModuleCount(w), int(9 * (n + 3) + 10)) << n;
        EXPECT_EQ(WidthsText(w).substr(0, 6), kStart);
        EXPECT_EQ(WidthsText(w).substr(w.size() - 7), kStop);
    }
}

TEST(Code93, InvalidInputMessages) {
    EXPECT_EQ(Message(""), "Empty string");
    EXPECT_EQ(Message("AB,C"), "Invalid character in CODE93: ,");
    EXPECT_EQ(Message("A\x01"), "Invalid character in CODE93: \x01");
    EXPECT_EQ(Message("A\xC3\xA9"), "Invalid character in CODE93: \xC3");
    EXPECT_EQ(Message(std::string("A\0B", 3)), "Invalid character in CODE93: ");  // what() ends at the NUL
    EXPECT_EQ(Message("*"), "Invalid character in CODE93: *");
}

}  // namespace
