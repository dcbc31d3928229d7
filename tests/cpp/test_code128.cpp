#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "symbologies/linear/code128.h"

namespace {

using Values = std::vector<int>;
constexpr auto kAuto = Code128Mode::kAuto;
constexpr auto kA = Code128Mode::kCodeA;
constexpr auto kB = Code128Mode::kCodeB;
constexpr auto kC = Code128Mode::kCodeC;

std::string ErrorOf(const std::string& text, Code128Mode mode) {
    try {
        EncodeCode128(text, mode);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(no error)";
}

struct ValuesCase {
    std::string text;
    Code128Mode mode;
    Values values;
};

TEST(Code128Encode, ValuesOfStartsSwitchesAndTies) {
    const std::vector<ValuesCase> cases = {
        {"12", kAuto, {105, 12}},
        {"1", kAuto, {103, 17}},                // A and B tie at one character: A wins, C needs a switch
        {"123", kAuto, {103, 17, 18, 19}},      // A, B and C all cost 3
        {"1234", kAuto, {105, 12, 34}},
        {"12345", kAuto, {103, 17, 99, 23, 45}},  // ties with start C, then the earlier start wins
        {"abc", kAuto, {104, 65, 66, 67}},
        {"\x01" "a", kAuto, {103, 65, 100, 65}},
        {"a\x01", kAuto, {104, 65, 101, 65}},
        {"AB1234CD", kAuto, {103, 33, 34, 17, 18, 19, 20, 35, 36}},  // a set C run would only tie
        {"AB123456CD", kAuto, {103, 33, 34, 99, 12, 34, 56, 101, 35, 36}},
        {"ab123456", kAuto, {104, 65, 66, 99, 12, 34, 56}},
        {"123456ab", kAuto, {105, 12, 34, 56, 100, 65, 66}},
        {"\x01" "1234", kAuto, {103, 65, 99, 12, 34}},
        {std::string("\0_", 2), kA, {103, 64, 63}},
        {"AZ\x1f", kA, {103, 33, 58, 95}},
        {" ~a", kB, {104, 0, 94, 65}},
        {"0099", kC, {105, 0, 99}},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeCode128Values(c.text, c.mode), c.values) << c.text;
}

TEST(Code128Encode, WholeSymbolOfTwelve) {
    const ModuleWidths w = EncodeCode128("12", kAuto);
    // start C, 12, check (105 + 12) mod 103 = 14, stop
    const ModuleWidths expected = {2, 1, 1, 2, 3, 2, 1, 1, 2, 2, 3, 2, 1, 2, 2, 2, 3, 1, 2, 3, 3, 1, 1, 1, 2};
    EXPECT_EQ(w, expected);
    EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), 46);
}

TEST(Code128Encode, CheckValueWeightsPositions) {
    // "1" in A: (103 + 17) mod 103 = 17, pattern 123221.
    const ModuleWidths w = EncodeCode128("1", kAuto);
    EXPECT_EQ(ModuleWidths(w.begin() + 12, w.begin() + 18), (ModuleWidths{1, 2, 3, 2, 2, 1}));
    // "AB" in B: (104 + 33 + 2 x 34) mod 103 = 102, pattern 411131.
    const ModuleWidths b = EncodeCode128("AB", kB);
    EXPECT_EQ(ModuleWidths(b.begin() + 18, b.begin() + 24), (ModuleWidths{4, 1, 1, 1, 3, 1}));
}

TEST(Code128Encode, Failures) {
    const std::vector<std::pair<std::pair<std::string, Code128Mode>, std::string>> cases = {
        {{"", kAuto}, "Empty string"},
        {{"", kA}, "Empty string"},
        {{"", kC}, "Empty string"},
        {{"abc", kA}, "Invalid char for CODE_A"},
        {{"`", kA}, "Invalid char for CODE_A"},
        {{"\x80", kA}, "Invalid char for CODE_A"},
        {{"\x1f", kB}, "Invalid char for CODE_B"},
        {{"\x7f", kB}, "Invalid char for CODE_B"},
        {{"123", kC}, "Not 2-digit at pos=2"},
        {{"12a4", kC}, "Not 2-digit at pos=2"},
        {{"A1", kC}, "Not 2-digit at pos=0"},
        {{"ab\x7f", kAuto}, "No valid start"},
        {{"12\xff" "34", kAuto}, "No valid start"},
        {{"abc", kAuto}, "(no error)"},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.first.first, c.first.second), c.second) << c.first.first;
}

// The search written as the plain recursion over (position, set), for comparison on short texts.
class RecursiveReference {
public:
    explicit RecursiveReference(std::string text) : text_(std::move(text)) {}

    Values Encode() {
        int best_start = -1;
        std::pair<int, Values> best;
        for (int s = 0; s < 3; ++s) {
            auto candidate = Best(0, s);
            if (candidate.first < 0) continue;
            if (best_start < 0 || candidate.first < best.first) best_start = s, best = candidate;
        }
        if (best_start < 0) return {};
        Values out{103 + best_start};
        out.insert(out.end(), best.second.begin(), best.second.end());
        return out;
    }

private:
    // Value of the character(s) at p in set s and the length taken, or -1.
    std::pair<int, size_t> Take(size_t p, int s) const {
        const unsigned char b = text_[p];
        if (s == 0) return {b < 32 ? b + 64 : b < 96 ? b - 32 : -1, 1};
        if (s == 1) return {b >= 32 && b <= 126 ? b - 32 : -1, 1};
        if (p + 1 < text_.size() && isdigit(b) && isdigit((unsigned char)text_[p + 1]))
            return {(b - '0') * 10 + text_[p + 1] - '0', 2};
        return {-1, 0};
    }

    std::pair<int, Values> Best(size_t p, int s) {
        if (p >= text_.size()) return {0, {}};
        auto found = memo_.find({p, s});
        if (found != memo_.end()) return found->second;
        std::pair<int, Values> best{-1, {}};
        auto consider = [&](int t, int extra, const Values& head) {
            const auto [value, length] = Take(p, t);
            if (value < 0) return;
            auto rest = Best(p + length, t);
            if (rest.first < 0) return;
            const int cost = extra + rest.first;
            if (best.first >= 0 && cost >= best.first) return;
            Values values = head;
            values.push_back(value);
            values.insert(values.end(), rest.second.begin(), rest.second.end());
            best = {cost, values};
        };
        consider(s, 1, {});
        for (int t = 0; t < 3; ++t)
            if (t != s) consider(t, 2, {101 - t});
        memo_[{p, s}] = best;
        return best;
    }

    std::string text_;
    std::map<std::pair<size_t, int>, std::pair<int, Values>> memo_;
};

TEST(Code128Encode, AutoMatchesThePlainRecursionOnRandomTexts) {
    std::mt19937 rng(128);
    const std::string alphabet = "0123456789012345678901234567890123456789AZ az{~_`\x01\x1f";
    for (int round = 0; round < 3000; ++round) {
        std::string text(1 + rng() % 14, ' ');
        for (char& c : text) c = alphabet[rng() % alphabet.size()];
        EXPECT_EQ(EncodeCode128Values(text, kAuto), RecursiveReference(text).Encode()) << text;
    }
}

TEST(Code128Encode, SizesFollowTheValueCount) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        std::string text(1 + rng() % 40, ' ');
        for (char& c : text) c = char(rng() % 127);
        const Values values = EncodeCode128Values(text, kAuto);
        const ModuleWidths w = EncodeCode128(text, kAuto);
        ASSERT_EQ(w.size(), 6 * (values.size() + 1) + 7);
        EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), 11 * int(values.size() + 1) + 13);
        for (int width : w) ASSERT_TRUE(width >= 1 && width <= 4);
    }
}

TEST(Code128Encode, LongAutoInputs) {
    // 30,000 bytes of alternating digit runs and letters: no deep recursion, one pass per position.
    std::string text;
    while (text.size() < 30000) text += "123456abc\x01" "7890X";
    const Values values = EncodeCode128Values(text, kAuto);
    EXPECT_GT(values.size(), text.size() / 2);
    EXPECT_LT(values.size(), text.size() + text.size() / 2);
    const std::string digits(20000, '7');
    EXPECT_EQ(EncodeCode128Values(digits, kAuto).size(), 1 + digits.size() / 2);
}

}  // namespace
