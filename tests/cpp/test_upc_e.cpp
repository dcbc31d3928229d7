#include <gtest/gtest.h>

#include <string>

#include "core/classes/retail_classes.h"
#include "symbologies/retail/upc_a.h"
#include "symbologies/retail/upc_e.h"
#include "tests/cpp/linear_test_util.h"

namespace {

const char* const kRunsL[10] = {"3211", "2221", "2122", "1411", "1132", "1231", "1114", "1312", "1213", "3112"};
const char* const kRunsG[10] = {"1123", "1222", "2212", "1141", "2311", "1321", "4111", "2131", "3121", "2113"};

struct ExpansionCase {
    std::string code;      // number system and six data digits
    std::string expanded;  // the UPC-A form without its check digit
    char check;
};

class UpcEExpansion : public ::testing::TestWithParam<ExpansionCase> {};

TEST_P(UpcEExpansion, CheckDigitIsThatOfTheExpandedUpcA) {
    const ExpansionCase& c = GetParam();
    EXPECT_EQ(ExpandUpcE(c.code), c.expanded);
    EXPECT_EQ(UpcECheckDigit(c.code), c.check);
    EXPECT_EQ(CompleteUpcA(c.expanded).back(), c.check);
    EXPECT_EQ(CompleteUpcE(c.code), c.code + c.check);
    if (c.code[0] == '0') {
        EXPECT_EQ(CompleteUpcE(c.code.substr(1)), c.code + c.check);
    }
}

// One case per rule of the last data digit, in both number systems.
INSTANTIATE_TEST_SUITE_P(Table, UpcEExpansion,
                         ::testing::Values(ExpansionCase{"0654321", "06510000432", '7'},
                                           ExpansionCase{"0123450", "01200000345", '5'},
                                           ExpansionCase{"0123452", "01220000345", '3'},
                                           ExpansionCase{"0123453", "01230000045", '1'},
                                           ExpansionCase{"0123454", "01234000005", '3'},
                                           ExpansionCase{"0123455", "01234500005", '8'},
                                           ExpansionCase{"0123459", "01234500009", '6'},
                                           ExpansionCase{"1123450", "11200000345", '2'},
                                           ExpansionCase{"1123453", "11230000045", '8'},
                                           ExpansionCase{"1123454", "11234000005", '0'},
                                           ExpansionCase{"1123456", "11234500006", '2'}));

// Number system 0 parity by check digit (O = set L, E = set G); number system 1 is its complement.
const char* const kParity[10] = {"EEEOOO", "EEOEOO", "EEOOEO", "EEOOOE", "EOEEOO",
                                 "EOOEEO", "EOOOEE", "EOEOEO", "EOEOOE", "EOOEOE"};

TEST(UpcE, ParityFollowsCheckDigitAndNumberSystem) {
    int seen[2][10] = {};
    // Walk data values until every check digit has appeared in both number systems.
    for (int n = 0; n < 200; ++n) {
        for (char ns : {'0', '1'}) {
            std::string code = std::string(1, ns) + std::to_string(100000 + n * 4999 % 900000);
            code = CompleteUpcE(code);
            const int check = code[7] - '0';
            ++seen[ns - '0'][check];
            const std::string runs = WidthsText(EncodeUPCE(code));
            for (int j = 0; j < 6; ++j) {
                const bool odd = (kParity[check][j] == 'O') == (ns == '0');
                const int d = code[1 + j] - '0';
                EXPECT_EQ(runs.substr(3 + 4 * j, 4), odd ? kRunsL[d] : kRunsG[d]) << code << " " << j;
            }
        }
    }
    for (int ns = 0; ns < 2; ++ns)
        for (int check = 0; check < 10; ++check) EXPECT_GT(seen[ns][check], 0) << ns << " " << check;
}

std::string CompletionMessage(const std::string& code) { return EncodeError(CompleteUpcE, code); }
std::string EncodingMessage(const std::string& code) { return EncodeError(EncodeUPCE, code); }

TEST(UpcE, InvalidCodesFail) {
    // The class's messages: completion checks the length before the characters; encoding takes
    // the completed eight digits.
    const struct {
        std::string (*message)(const std::string&);
        const char* code;
        const char* text;
    } rows[] = {
        {CompletionMessage, "", "Invalid length (must be 6, 7 or 8 digits)."},
        {CompletionMessage, "12345", "Invalid length (must be 6, 7 or 8 digits)."},
        {CompletionMessage, "ABCDEFGHI", "Invalid length (must be 6, 7 or 8 digits)."},
        {CompletionMessage, "01234A", "Invalid character (non-digit found)."},
        {CompletionMessage, "A123456", "Invalid character (non-digit found)."},
        {CompletionMessage, "2123456", "Invalid number system (must be 0 or 1)."},
        {CompletionMessage, "91234565", "Invalid number system (must be 0 or 1)."},
        {CompletionMessage, "01234564", "Invalid check digit"},
        {CompletionMessage, "11234565", "Invalid check digit"},
        {EncodingMessage, "0123456", "EncodeUPCE: code must be 8 digits."},
        {EncodingMessage, "0123456X", "EncodeUPCE: invalid check digit."},
        {EncodingMessage, "0123 565", "EncodeUPCE: non digit in data part."},
        {EncodingMessage, "31234565", "Invalid number system (must be 0 or 1)."},
        {EncodingMessage, "01234560", "Invalid check digit"},
    };
    for (const auto& row : rows) EXPECT_EQ(row.message(row.code), row.text) << row.code;
}

}  // namespace
