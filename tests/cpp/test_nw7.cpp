#include <gtest/gtest.h>

#include <string>

#include "core/classes/linear_classes.h"
#include "symbologies/linear/nw7.h"
#include "tests/cpp/linear_test_util.h"

namespace {

std::string Message(const std::string& code) { return EncodeError(EncodeNW7, code); }

TEST(NW7, PatternsAndGapsOfAFullSymbol) {
    // A 0011010, 0 0000011, B 0101001; a 2-module space between characters.
    EXPECT_EQ(WidthsText(EncodeNW7("A0B")), "1133131" "2" "1111133" "2" "1313113");
}

TEST(NW7, EveryCharacterPattern) {
    const std::pair<char, const char*> table[] = {
        {'A', "1133131"}, {'B', "1313113"}, {'C', "1113133"}, {'D', "1113331"}, {'.', "3131311"},
        {'+', "1131313"}, {':', "3111313"}, {'/', "3131113"}, {'$', "1133111"}, {'-', "1113311"},
        {'0', "1111133"}, {'1', "1111331"}, {'2', "1113113"}, {'3', "3311111"}, {'4', "1131131"},
        {'5', "3111131"}, {'6', "1311113"}, {'7', "1311311"}, {'8', "1331111"}, {'9', "3113111"},
    };
    for (const auto& [c, widths] : table)
        EXPECT_EQ(WidthsText(EncodeNW7(std::string("A") + c + "A")).substr(8, 7), widths) << c;
}

// Start/stop rule: both ends A-D are kept, neither gets C...C, exactly one fails.
struct StartStopCase {
    std::string code;
    std::string encoded_as;
};

class NW7StartStop : public ::testing::TestWithParam<StartStopCase> {};

TEST_P(NW7StartStop, EncodesLikeTheFramedText) {
    EXPECT_EQ(EncodeNW7(GetParam().code), EncodeNW7(GetParam().encoded_as));
}

INSTANTIATE_TEST_SUITE_P(Table, NW7StartStop,
                         ::testing::Values(StartStopCase{"1234", "C1234C"}, StartStopCase{"a1234b", "A1234B"},
                                           StartStopCase{"12-34", "C12-34C"}, StartStopCase{"1A2", "C1A2C"},
                                           StartStopCase{"d$c", "D$C"}, StartStopCase{"5", "C5C"}));

TEST(NW7, SingleStartStopCharacterIsOneCharacterSymbol) {
    EXPECT_EQ(WidthsText(EncodeNW7("A")), "1133131");
    EXPECT_EQ(WidthsText(EncodeNW7("b")), "1313113");
}

TEST(NW7, ElementCountIsEightPerCharacterLessOne) {
    for (size_t n : {1u, 2u, 10u, 2000u}) {
        const ModuleWidths w = EncodeNW7(std::string(n, '7'));
        EXPECT_EQ(w.size(), 8 * (n + 2) - 1) << n;
        for (size_t i = 7; i < w.size(); i += 8) ASSERT_EQ(w[i], 2) << "gap at " << i;
    }
}

TEST(NW7, InvalidInputMessages) {
    EXPECT_EQ(Message(""), "Empty string");
    EXPECT_EQ(Message("A1234"), "Invalid start/stop character combination in NW7: A1234");
    EXPECT_EQ(Message("1234b"), "Invalid start/stop character combination in NW7: 1234B");
    EXPECT_EQ(Message("a12#4"), "Invalid start/stop character combination in NW7: A12#4");
    EXPECT_EQ(Message("12#4"), "Invalid character in NW7: #");
    EXPECT_EQ(Message("A12e4B"), "Invalid character in NW7: E");
    EXPECT_EQ(Message("1\xFF"), "Invalid character in NW7: \xFF");
    EXPECT_EQ(Message(std::string("1\0" "2", 3)), "Invalid character in NW7: ");  // what() ends at the NUL
}

struct TextCase {
    std::string code;
    bool show_start_stop;
    std::string shown;
};

class NW7Text : public ::testing::TestWithParam<TextCase> {};

TEST_P(NW7Text, HumanReadableLine) {
    NW7 symbol("png");
    symbol.SetShowStartStop(GetParam().show_start_stop);
    EXPECT_EQ(symbol.HumanText(GetParam().code), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Table, NW7Text,
                         ::testing::Values(TextCase{"1234", true, "1234"}, TextCase{"1234", false, "1234"},
                                           TextCase{"a1234b", true, "a1234b"}, TextCase{"a1234b", false, "1234"},
                                           TextCase{"A", false, ""}, TextCase{"AB", false, ""},
                                           TextCase{"ABC", false, "B"}, TextCase{"1A2", false, "1A2"}));

}  // namespace
