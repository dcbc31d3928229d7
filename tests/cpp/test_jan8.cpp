#include <gtest/gtest.h>

#include <string>

#include "symbologies/retail/jan8.h"
#include "tests/cpp/linear_test_util.h"

namespace {

std::string Message(const std::string& code) { return EncodeError(EncodeJan8, code); }

struct CheckCase {
    std::string data;
    char check;
};

class Jan8Checks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Jan8Checks, CompletionAppendsTheCheckDigitAndAcceptsIt) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(CompleteJan8(c.data), c.data + c.check);
    EXPECT_EQ(EncodeJan8(c.data), EncodeJan8(c.data + c.check));
    for (char wrong = '0'; wrong <= '9'; ++wrong) {
        if (wrong == c.check) continue;
        EXPECT_EQ(Message(c.data + wrong), "Invalid check digit") << wrong;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Jan8Checks,
                         ::testing::Values(CheckCase{"9638507", '4'}, CheckCase{"4901234", '7'},
                                           CheckCase{"0000000", '0'},
                                           CheckCase{"1000000", '7'},  // positions 1, 3, 5, 7 weigh 3
                                           CheckCase{"0100000", '9'}));

TEST(Jan8, LeftHalfInSetLRightHalfInSetR) {
    // 4 9 0 1 | 2 3 4 7: L and R share runs.
    const ModuleWidths w = EncodeJan8("4901234");
    EXPECT_EQ(WidthsText(w),
              std::string("111") + "1132" + "3112" + "3211" + "2221" + "11111" + "2122" + "1411" + "1132" + "1312" +
                  "111");
    EXPECT_EQ(w.size(), 43u);
    EXPECT_EQ(ModuleCount(w), 67);
}

struct MessageCase {
    std::string code;
    std::string message;
};

class Jan8Messages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(Jan8Messages, InvalidCodesFail) { EXPECT_EQ(Message(GetParam().code), GetParam().message); }

INSTANTIATE_TEST_SUITE_P(Table, Jan8Messages,
                         ::testing::Values(MessageCase{"", "Empty string"},
                                           MessageCase{"490123x", "Jan8 barcode requires numeric digits only"},
                                           MessageCase{"-4901234", "Jan8 barcode requires numeric digits only"},
                                           MessageCase{"490123", "Jan8 barcode requires 7 or 8 digits"},
                                           MessageCase{"490123456", "Jan8 barcode requires 7 or 8 digits"}));

}  // namespace
