#include <gtest/gtest.h>

#include <string>

#include "core/classes/yubin_customer_class.h"
#include "symbologies/postal/yubin_customer.h"

namespace {

// Whole symbols worked out by hand: start "13", 20 data positions, check, stop "31". The comments
// give the data values and their sum S; the check value is (19 - S mod 19) mod 19.
struct Case {
    const char* text;
    const char* bars;
};

const Case kSymbols[] = {
    // 1 0 0 0 0 1 3 1 - 3 - 2 - 5 0 3, four CC4 fillers: S = 105, check 9.
    {"10000131-3-2-503",
     "13"
     "114" "144" "144" "144" "144" "114" "312" "114" "414" "312" "414" "132" "414" "141" "144" "312"
     "432" "432" "432" "432"
     "411" "31"},
    // Exactly 20 positions, the rest of the input cut: S = 92, check 3.
    {"064080429-1524-23-2-501",
     "13"
     "144" "321" "123" "144" "231" "144" "123" "132" "411" "414" "114" "141" "132" "123" "414" "132"
     "312" "414" "132" "414"
     "312" "31"},
    // J is CC1 + 9; B falls on the 20th position, leaving its CC1 alone: S = 105, check 9.
    {"91000673-80-25J1-2B",
     "13"
     "411" "114" "144" "144" "144" "321" "213" "312" "414" "231" "144" "414" "132" "141" "324" "411"
     "114" "414" "132" "324"
     "411" "31"},
    // Ten letters of A-J fill all 20 positions as CC1 + digit: S = 155, check 16 (CC6).
    {"abcdefghij",
     "13"
     "324" "144" "324" "114" "324" "132" "324" "312" "324" "123"
     "324" "141" "324" "321" "324" "213" "324" "231" "324" "411"
     "423" "31"},
    // K-T are CC2 + digit: S = 165, check 6.
    {"KLMNOPQRST",
     "13"
     "342" "144" "342" "114" "342" "132" "342" "312" "342" "123"
     "342" "141" "342" "321" "342" "213" "342" "231" "342" "411"
     "321" "31"},
    // U-Z are CC3 + digit, then eight fillers: S = 205, check 4.
    {"UVWXYZ",
     "13"
     "234" "144" "234" "114" "234" "132" "234" "312" "234" "123" "234" "141"
     "432" "432" "432" "432" "432" "432" "432" "432"
     "123" "31"},
    // A letter on positions 19 and 20 still fits whole: S = 93, check 2.
    {"123456789012345678K",
     "13"
     "114" "132" "312" "123" "141" "321" "213" "231" "411" "144"
     "114" "132" "312" "123" "141" "321" "213" "231" "342" "144"
     "132" "31"},
    // Nothing encodable: 20 fillers, S = 280, check 5.
    {"!!!",
     "13"
     "432" "432" "432" "432" "432" "432" "432" "432" "432" "432"
     "432" "432" "432" "432" "432" "432" "432" "432" "432" "432"
     "141" "31"},
};

TEST(YubinCustomerEncode, KnownSymbols) {
    for (const Case& c : kSymbols) EXPECT_EQ(EncodeYubinCustomer(c.text), c.bars) << c.text;
}

// A letter whose first half lands on the 20th position leaves its own group's control code there.
TEST(YubinCustomerEncode, LetterOnTheTwentiethPositionBecomesCC1) {
    const std::string digits = "1234567890123456789";  // 19 positions, S = 90
    const struct {
        char letter;
        const char* control_and_check;
    } cases[] = {
        {'A', "324" "234"},  // CC1, S = 101, check 13 (CC3)
        {'J', "324" "234"},
        {'K', "324" "234"},  // CC1 too, though K-T are CC2 elsewhere
        {'t', "324" "234"},
        {'U', "324" "234"},
        {'Z', "324" "234"},
    };
    for (const auto& c : cases) {
        const std::string bars = EncodeYubinCustomer(digits + c.letter + "999");
        EXPECT_EQ(bars.substr(59, 6), c.control_and_check) << c.letter;
        EXPECT_EQ(bars.substr(2, 57), EncodeYubinCustomer(digits).substr(2, 57)) << c.letter;
    }
}

// Check values at the ends of the range: seven digits and 13 fillers (S = 182 + digit sum).
TEST(YubinCustomerEncode, CheckCharacter) {
    const struct {
        const char* text;
        const char* check;
    } cases[] = {
        {"0000008", "144"},  // S = 190: check 0
        {"0000000", "231"},  // S = 182: check 8
        {"0000089", "414"},  // S = 199: check 10, the hyphen's bars
        {"0000009", "111"},  // S = 191: check 18, CC8
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeYubinCustomer(c.text).substr(62, 3), c.check) << c.text;
}

TEST(YubinCustomerEncode, DroppedAndCutInput) {
    const struct {
        std::string text;
        std::string same_as;
    } cases[] = {
        {"1-2 3/4.5&6", "1-23456"},
        {std::string("12\0003\xef\xbc\x94", 7), "123"},  // NUL and a full-width digit
        {"12345678901234567890123", "12345678901234567890"},
        {"1234567890123456789-K", "1234567890123456789-"},
        {"a-z", "A-Z"},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeYubinCustomer(c.text), EncodeYubinCustomer(c.same_as)) << c.text;
}

TEST(YubinCustomerEncode, EverySymbolHas67BarsFramedByStartAndStop) {
    for (const char* text : {"", "1", "A", "1234567-ZZZZZZZZZZZZ", "\xff\xfe"}) {
        const std::string bars = EncodeYubinCustomer(text);
        ASSERT_EQ(bars.size(), size_t(kYubinBarCount)) << text;
        EXPECT_EQ(bars.substr(0, 2), "13") << text;
        EXPECT_EQ(bars.substr(65), "31") << text;
        EXPECT_EQ(bars.find_first_not_of("1234"), std::string::npos) << text;
    }
}

TEST(YubinCustomerGeometry, WidthFollowsTheHeight) {
    const struct {
        int height;
        int width;
    } cases[] = {{60, 1351}, {30, 676}, {90, 2026}, {6, 136}, {3, 68}, {1, 23}};
    for (const auto& c : cases) EXPECT_EQ(YubinCustomer::WidthForHeight(c.height), c.width) << c.height;
    EXPECT_GT(YubinCustomer::WidthForHeight(YubinCustomer::kMaxHeight), 0);
}

TEST(YubinCustomerDraw, EmptyTextOrNoHeightDrawsNothing) {
    for (const char* format : {"png", "svg"}) {
        YubinCustomer y(format);
        EXPECT_FALSE(y.DrawByHeight("", 0, 0, 60)) << format;
        EXPECT_FALSE(y.DrawByHeight("123", 0, 0, 0)) << format;
        EXPECT_FALSE(y.DrawByHeight("123", 0, 0, -4)) << format;
        EXPECT_FALSE(y.Draw("123", 0, 0, 500, YubinCustomer::kMaxHeight + 1)) << format;
        EXPECT_TRUE(y.Draw("123", 0, 0, 1, 12)) << format;
    }
}

}  // namespace
