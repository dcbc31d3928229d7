#include <gtest/gtest.h>

#include <string>

#include "symbologies/retail/jan13.h"
#include "symbologies/retail/upc_a.h"
#include "tests/cpp/linear_test_util.h"

namespace {

// The four runs of each digit in the published sets; R has the runs of L, G those of L reversed.
const char* const kRunsL[10] = {"3211", "2221", "2122", "1411", "1132", "1231", "1114", "1312", "1213", "3112"};
const char* const kRunsG[10] = {"1123", "1222", "2212", "1141", "2311", "1321", "4111", "2131", "3121", "2113"};

std::string Message(const std::string& code) { return EncodeError(EncodeJan13, code); }

// The runs of the digit at `index` (0-based, 1..12) of the completed code.
std::string DigitRuns(const ModuleWidths& widths, int index) {
    const int offset = index <= 6 ? 3 + 4 * (index - 1) : 3 + 24 + 5 + 4 * (index - 7);
    return WidthsText(widths).substr(offset, 4);
}

struct CheckCase {
    std::string data;
    char check;
};

class Jan13Checks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Jan13Checks, CompletionAppendsTheCheckDigitAndAcceptsIt) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(CompleteJan13(c.data), c.data + c.check);
    EXPECT_EQ(CompleteJan13(c.data + c.check), c.data + c.check);
    EXPECT_EQ(EncodeJan13(c.data), EncodeJan13(c.data + c.check));
    for (char wrong = '0'; wrong <= '9'; ++wrong) {
        if (wrong == c.check) continue;
        EXPECT_EQ(Message(c.data + wrong), "Invalid check digit") << wrong;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Jan13Checks,
                         ::testing::Values(CheckCase{"400638133393", '1'}, CheckCase{"490123456789", '4'},
                                           CheckCase{"000000000000", '0'},
                                           // odd positions weigh 1, even 3: 9 + 3*9 ... = 216 -> 4
                                           CheckCase{"999999999999", '4'},
                                           CheckCase{"100000000000", '9'},   // 1 at weight 1
                                           CheckCase{"010000000000", '7'}));  // 1 at weight 3

TEST(Jan13, LeadingDigitSelectsTheParityOfTheLeftHalf) {
    const char* const kParity[10] = {"LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG",
                                     "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"};
    for (int lead = 0; lead <= 9; ++lead) {
        const std::string code = std::to_string(lead) + "12345678901";
        const std::string full = CompleteJan13(code);
        const ModuleWidths w = EncodeJan13(code);
        for (int i = 1; i <= 6; ++i) {
            const int d = full[i] - '0';
            EXPECT_EQ(DigitRuns(w, i), kParity[lead][i - 1] == 'G' ? kRunsG[d] : kRunsL[d]) << code << " " << i;
        }
        for (int i = 7; i <= 12; ++i) EXPECT_EQ(DigitRuns(w, i), kRunsL[full[i] - '0']) << code << " " << i;
    }
}

TEST(Jan13, EveryDigitInEverySetAndTheGuards) {
    // Left half 012345 with leading 1 (LLGLGG), then 67890 and the check digit 4 on the right.
    const ModuleWidths w = EncodeJan13("1012345678904");
    EXPECT_EQ(WidthsText(w), std::string("111") + "3211" + "2221" + "2212" + "1411" + "2311" + "1321" + "11111" +
                                 "1114" + "1312" + "1213" + "3112" + "3211" + "1132" + "111");
    EXPECT_EQ(w.size(), 59u);
    EXPECT_EQ(ModuleCount(w), 95);
}

TEST(Jan13, LeadingZeroIsTheUpcASymbolOfTheRest) {
    for (const std::string upc : {"03600029145", "12345678901", "99999999999"})
        EXPECT_EQ(EncodeJan13("0" + upc), EncodeUpcA(upc)) << upc;
}

struct MessageCase {
    std::string code;
    std::string message;
};

class Jan13Messages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(Jan13Messages, InvalidCodesFail) { EXPECT_EQ(Message(GetParam().code), GetParam().message); }

INSTANTIATE_TEST_SUITE_P(
    Table, Jan13Messages,
    ::testing::Values(MessageCase{"", "Empty string"},
                      // the digit test comes before the length test
                      MessageCase{"12A", "Jan13 barcode requires numeric digits only"},
                      MessageCase{"49012345678 9", "Jan13 barcode requires numeric digits only"},
                      MessageCase{std::string("490123\0" "45678", 12), "Jan13 barcode requires numeric digits only"},
                      MessageCase{"\xEF\xBC\x91", "Jan13 barcode requires numeric digits only"},
                      MessageCase{"49012345678", "Jan13 barcode requires 12 or 13 digits"},
                      MessageCase{"49012345678941", "Jan13 barcode requires 12 or 13 digits"},
                      MessageCase{std::string(5000, '1'), "Jan13 barcode requires 12 or 13 digits"}));

}  // namespace
