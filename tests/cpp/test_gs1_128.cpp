#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "gs1/check_digit.h"
#include "gs1/element_string.h"
#include "symbologies/linear/code128_symbols.h"
#include "symbologies/linear/gs1_128.h"

namespace {

using Values = std::vector<int>;

// The class's text as the encoder takes it.
std::vector<int> Marked(const std::string& text) { return GS1MarkedCodes(text, false); }

template <class Fn>
std::string ErrorOf(Fn fn) {
    try {
        fn();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(GS1_128Encode, StartSetsSwitchesAndMarkers) {
    const std::vector<std::pair<std::string, Values>> cases = {
        {"{FNC1}01123456", {105, 102, 1, 12, 34, 56}},
        {"{FNC1}10ABC", {104, 102, 17, 16, 33, 34, 35}},  // '{' decides set B
        // Leading digits: markers are skipped and the last byte never counts; 3 or more start in C.
        {"123", {104, 17, 18, 19}},
        {"1234", {105, 12, 34}},
        {"{FNC1}12", {104, 102, 17, 18}},
        {"{FNC1}123", {104, 102, 17, 18, 19}},
        {"{FNC1}1234", {105, 102, 12, 34}},
        {"{AI}1234", {105, 12, 34}},
        {"12{AI}34", {105, 12, 34}},
        // An odd digit run in C leaves it before the last digit.
        {"{FNC1}0112345", {105, 102, 1, 12, 34, 100, 21}},
        {"{FNC1}01123\x01", {105, 102, 1, 12, 101, 19, 65}},
        // A marker met in set A switches to B first.
        {"\x01{FNC1}10", {103, 65, 100, 102, 17, 16}},
        {"\x01" "1234", {103, 65, 99, 12, 34}},
        {"ab\x01", {104, 65, 66, 101, 65}},
        {"\x7f", {104, 95}},
        {"\x01\x7f", {103, 65, 100, 95}},          // DEL only exists in set B
        {"12\x7f\x01", {104, 17, 18, 95, 101, 65}},
        {"1234{Foo", {105, 12, 34, 100, 91, 38, 79, 79}},  // a brace that opens no marker is data
        {"1234{A}", {105, 12, 34, 100, 91, 33, 93}},
        {"", {104}},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeGS1_128Values(Marked(c.first)), c.second) << c.first;
}

// Reads symbol values back into text: FNC1 as "{FNC1}", set changes followed.
std::string ReadBack(const Values& values) {
    int set = values.at(0) - 103;  // 0 A, 1 B, 2 C
    std::string out;
    for (size_t i = 1; i < values.size(); ++i) {
        const int v = values[i];
        if (v >= 99 && v <= 101) {
            set = 101 - v;
        } else if (v == 102) {
            out += "{FNC1}";
        } else if (set == 2) {
            out += char('0' + v / 10);
            out += char('0' + v % 10);
        } else {
            out += char(set == 1 || v < 64 ? v + 32 : v - 64);
        }
    }
    return out;
}

std::string WithoutAiMarkers(std::string text) {
    for (size_t p; (p = text.find("{AI}")) != std::string::npos;) text.erase(p, 4);
    return text;
}

TEST(GS1_128Encode, ValuesReadBackToTheInput) {
    const std::vector<std::string> pieces = {"{FNC1}", "{AI}", "{", "{F", "{A}", "0", "12", "3456", "7",
                                             "A", "z", "~", "\x7f", "\x01", "\x1f", " ", "`", "_"};
    std::mt19937 rng(4128);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int n = int(rng() % 12); n-- > 0;) text += pieces[rng() % pieces.size()];
        const Values values = EncodeGS1_128Values(Marked(text));
        for (int v : values) ASSERT_TRUE(v >= 0 && v <= 105) << text;
        EXPECT_EQ(ReadBack(values), WithoutAiMarkers(text)) << text;
    }
}

TEST(GS1_128Encode, BytesAbove7FFail) {
    EXPECT_EQ(ErrorOf([] { EncodeGS1_128(Marked("{FNC1}10AB\x80")); }), "Invalid character in GS1-128: \x80");
    EXPECT_EQ(ErrorOf([] { EncodeGS1_128(Marked("\xff")); }), "Invalid character in GS1-128: \xff");
    EXPECT_EQ(ErrorOf([] { EncodeGS1_128(Marked("{FNC1}10AB\x7f")); }), "(no error)");
}

TEST(GS1_128Encode, EmptyTextIsStartCheckStop) {
    const ModuleWidths w = EncodeGS1_128({});
    EXPECT_EQ(w, (ModuleWidths{2, 1, 1, 2, 1, 4, 2, 2, 2, 1, 2, 2, 2, 3, 3, 1, 1, 1, 2}));  // 104, 1, stop
}

const std::string kDigits43 = "9191234500000000000000000000000000000000000";

TEST(GS1_128Convenience, CheckDigitAndValidation) {
    EXPECT_EQ(GS1CheckDigit(kDigits43), '8');
    EXPECT_EQ(GS1CheckDigit(std::string(42, '0') + "1"), '7');  // rightmost weight 3
    EXPECT_EQ(GS1CheckDigit(std::string(41, '0') + "10"), '9');  // next weight 1
    EXPECT_EQ(ConvenienceDigits(kDigits43), kDigits43 + "8");
    EXPECT_EQ(ConvenienceDigits(kDigits43 + "8"), kDigits43 + "8");
    EXPECT_EQ(ConvenienceDigits("{FNC1}" + kDigits43 + "8"), kDigits43 + "8");

    const std::vector<std::pair<std::string, std::string>> failures = {
        {kDigits43 + "7", "Check digit mismatch"},
        {kDigits43.substr(1), "Code length must be 43 or 44 digits"},
        {kDigits43 + "80", "Code length must be 43 or 44 digits"},
        {"", "Code length must be 43 or 44 digits"},
        {"{FNC1}", "Code length must be 43 or 44 digits"},
        {kDigits43.substr(1) + "A", "Non-digit character found"},
        {"{FNC1}{FNC1}" + kDigits43, "Non-digit character found"},
    };
    for (const auto& f : failures) EXPECT_EQ(ErrorOf([&] { ConvenienceDigits(f.first); }), f.second) << f.first;
}

TEST(GS1_128Convenience, SymbolAndTextLines) {
    const std::string digits = kDigits43 + "8";
    const Values values = ConvenienceValues(digits);
    ASSERT_EQ(values.size(), 24u);
    EXPECT_EQ(Values(values.begin(), values.begin() + 6), (Values{105, 102, 91, 91, 23, 45}));
    EXPECT_EQ(values.back(), 8);
    for (const std::string& other : {digits, std::string(44, '0'), std::string(43, '9') + "7"}) {
        const ModuleWidths w = code128::ToModuleWidths(ConvenienceValues(other), "");
        EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), 288) << other;
    }
    EXPECT_EQ(ConvenienceTextLines(digits),
              (std::vector<std::string>{"(91)912345-0000000000000000000000", "000000-0-000000-8"}));
    const std::string counting = "0123456789012345678901234567890123456789012";
    const std::string full = counting + GS1CheckDigit(counting);
    EXPECT_EQ(ConvenienceTextLines(full)[0], "(01)234567-8901234567890123456789");
    EXPECT_EQ(ConvenienceTextLines(full)[1], "012345-6-789012-" + full.substr(43));
}

}  // namespace
