#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/classes/databar_classes.h"
#include "symbologies/databar/gs1_databar_limited.h"
#include "tests/cpp/linear_test_util.h"

namespace {

std::string Message(const std::string& code) {
    return EncodeError([](const std::string& c) { return EncodeGS1DataBarLimited(c); }, code);
}

std::string Span(const ModuleWidths& e, size_t from, size_t count) {
    return WidthsText(ModuleWidths(e.begin() + long(from), e.begin() + long(from + count)));
}

TEST(GS1DataBarLimited, AllZeroElementList) {
    // Both characters 0 (group 0): odd 1 1 1 1 1 6 6, even 1 1 1 1 1 1 3; checksum 2260 mod 89 = 35.
    const DataBarLimitedSymbol s = EncodeGS1DataBarLimited("00000000");
    EXPECT_EQ(s.digits, "00000000000000");
    EXPECT_EQ(s.checksum, 35);
    EXPECT_EQ(WidthsText(s.elements), "11" "11111111116163" "11131111212111" "11111111116163" "11");
    EXPECT_EQ(ModuleCount(s.elements), 74);
}

TEST(GS1DataBarLimited, LargestValueSplitsIntoGroupsTwoAndOne) {
    const DataBarLimitedSymbol s = EncodeGS1DataBarLimited("1999999999999");
    EXPECT_EQ(s.left_value, 993260);
    EXPECT_EQ(s.right_value, 468539);
    EXPECT_EQ(s.digits, "19999999999991");
}

TEST(GS1DataBarLimited, LengthAndLeadingDigit) {
    EXPECT_EQ(Message("1234567"), "Input must be 8-13 digits");
    EXPECT_EQ(Message(""), "Input must be 8-13 digits");
    EXPECT_EQ(Message("12345678901234"), "Input must be 8-13 digits");
    EXPECT_EQ(Message("1234567a"), "GS1 DataBar Limited requires numeric digits only");
    EXPECT_EQ(Message("2000000000000"), "GS1 DataBar Limited requires leading digit 0 or 1 after padding");
    EXPECT_EQ(Message("200000000000"), "(no error)");  // 12 digits: padding puts a 0 in front
    EXPECT_EQ(EncodeGS1DataBarLimited("12345678").digits, "00000123456784");
}

// Character and check pattern sizes over many values, until one selects check pattern 88 (the
// published 18-module pattern).
TEST(GS1DataBarLimited, StructureOverManyValues) {
    std::mt19937_64 rng(74);
    bool saw_88 = false;
    for (int i = 0; i < 20000 || !saw_88; ++i) {
        const std::string code = std::to_string(rng() % 2000000000000ULL);
        const DataBarLimitedSymbol s = EncodeGS1DataBarLimited(std::string(13 - code.size(), '0') + code);
        ASSERT_EQ(s.elements.size(), 46u);
        ASSERT_EQ(ModuleCount(s.elements), 74);
        ASSERT_EQ(ModuleCount(ModuleWidths(s.elements.begin() + 2, s.elements.begin() + 16)), 26);
        ASSERT_EQ(ModuleCount(ModuleWidths(s.elements.begin() + 16, s.elements.begin() + 30)), 18);
        ASSERT_EQ(ModuleCount(ModuleWidths(s.elements.begin() + 30, s.elements.begin() + 44)), 26);
        ASSERT_LT(s.checksum, 89);
        if (s.checksum == 88) {
            saw_88 = true;
            EXPECT_EQ(Span(s.elements, 16, 14), "21111111221211");
        }
        ASSERT_LT(i, 200000);
    }
}

}  // namespace
