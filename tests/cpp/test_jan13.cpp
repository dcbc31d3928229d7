#include <gtest/gtest.h>

#include <string>

#include "core/classes/retail_classes.h"
#include "symbologies/retail/jan13.h"
#include "symbologies/retail/upc_a.h"
#include "tests/cpp/linear_test_util.h"

namespace {

// The four runs of each digit in the published sets; R has the runs of L, G those of L reversed.
const char* const kRunsL[10] = {"3211", "2221", "2122", "1411", "1132", "1231", "1114", "1312", "1213", "3112"};
const char* const kRunsG[10] = {"1123", "1222", "2212", "1141", "2311", "1321", "4111", "2131", "3121", "2113"};

// The runs of the digit at `index` (0-based, 1..12) of the completed code.
std::string DigitRuns(const ModuleWidths& widths, int index) {
    const int offset = index <= 6 ? 3 + 4 * (index - 1) : 3 + 24 + 5 + 4 * (index - 7);
    return WidthsText(widths).substr(offset, 4);
}

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

TEST(Jan13, LeadingZeroIsTheUpcASymbolOfTheRest) {
    for (const std::string upc : {"03600029145", "12345678901", "99999999999"})
        EXPECT_EQ(EncodeJan13("0" + upc), EncodeUpcA(upc)) << upc;
}

}  // namespace
