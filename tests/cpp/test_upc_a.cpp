#include <gtest/gtest.h>

#include <string>

#include "symbologies/retail/upc_a.h"
#include "tests/cpp/linear_test_util.h"

namespace {

std::string Message(const std::string& code) { return EncodeError(EncodeUpcA, code); }

struct CheckCase {
    std::string data;
    char check;
};

class UpcAChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(UpcAChecks, CompletionAppendsTheCheckDigitAndAcceptsIt) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(CompleteUpcA(c.data), c.data + c.check);
    EXPECT_EQ(EncodeUpcA(c.data), EncodeUpcA(c.data + c.check));
    for (char wrong = '0'; wrong <= '9'; ++wrong) {
        if (wrong == c.check) continue;
        EXPECT_EQ(Message(c.data + wrong), "Invalid check digit") << wrong;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, UpcAChecks,
                         ::testing::Values(CheckCase{"03600029145", '2'}, CheckCase{"01234567890", '5'},
                                           CheckCase{"00000000000", '0'},
                                           CheckCase{"10000000000", '7'},  // odd positions weigh 3
                                           CheckCase{"01000000000", '9'}));

TEST(UpcA, AllLeftDigitsInSetL) {
    // 0 3 6 0 0 0 | 2 9 1 4 5 2
    const ModuleWidths w = EncodeUpcA("03600029145");
    EXPECT_EQ(WidthsText(w), std::string("111") + "3211" + "1411" + "1114" + "3211" + "3211" + "3211" + "11111" +
                                 "2122" + "3112" + "2221" + "1132" + "1231" + "2122" + "111");
    EXPECT_EQ(w.size(), 59u);
    EXPECT_EQ(ModuleCount(w), 95);
}

struct MessageCase {
    std::string code;
    std::string message;
};

class UpcAMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(UpcAMessages, InvalidCodesFail) { EXPECT_EQ(Message(GetParam().code), GetParam().message); }

INSTANTIATE_TEST_SUITE_P(Table, UpcAMessages,
                         ::testing::Values(MessageCase{"", "Empty string"},
                                           MessageCase{"0360002914a", "UPC-A barcode requires numeric digits only"},
                                           MessageCase{"0360002914", "UPC-A barcode requires 11 or 12 digits"},
                                           MessageCase{"0360002914521", "UPC-A barcode requires 11 or 12 digits"}));

}  // namespace
