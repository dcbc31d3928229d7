#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "symbologies/linear/code39.h"

namespace {

int Modules(const ModuleWidths& w) { return std::accumulate(w.begin(), w.end(), 0); }

TEST(Code39Encode, SingleCharacterLayout) {
    const ModuleWidths w = EncodeCode39("A");
    ASSERT_EQ(w.size(), 29u);
    EXPECT_EQ(Modules(w), 47);
    const ModuleWidths head(w.begin(), w.begin() + 20);
    EXPECT_EQ(head, (ModuleWidths{1, 3, 1, 1, 3, 1, 3, 1, 1, 1, 3, 1, 1, 1, 1, 3, 1, 1, 3, 1}));
}

TEST(Code39Encode, SizesFollowTheCharacterCount) {
    for (const std::string code : {"1", "ABC", "HELLO WORLD", "0123456789-. $/+%"}) {
        const ModuleWidths w = EncodeCode39(code);
        const int k = int(code.size());
        EXPECT_EQ(int(w.size()), 10 * (k + 2) - 1) << code;
        EXPECT_EQ(Modules(w), 16 * k + 31) << code;
    }
}

TEST(Code39Encode, LowerCaseEncodesAsUpperCase) { EXPECT_EQ(EncodeCode39("abc-z"), EncodeCode39("ABC-Z")); }

TEST(Code39Encode, EveryCharacterHasThreeWideElements) {
    const std::string all = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
    for (char c : all) {
        const ModuleWidths w = EncodeCode39(std::string(1, c));
        const int wide = int(std::count(w.begin() + 10, w.begin() + 19, 3));
        EXPECT_EQ(wide, 3) << c;
    }
}

TEST(Code39Encode, Rejections) {
    struct Case {
        std::string code;
        std::string message;
    };
    const Case cases[] = {
        {"", "Empty string"},
        {"A*B", "Invalid character in CODE39: '*' is reserved for start/stop code"},
        {"A#B", "Invalid character in CODE39: #"},
        {"a_b", "Invalid character in CODE39: _"},
        {std::string("A\0B", 3), std::string("Invalid character in CODE39: \0", 30)},
        {"\xC3\xA9", "Invalid character in CODE39: \xC3"},
    };
    for (const Case& c : cases) {
        try {
            EncodeCode39(c.code);
            ADD_FAILURE() << "accepted " << c.code;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), c.message.c_str());
        }
    }
}

}  // namespace
