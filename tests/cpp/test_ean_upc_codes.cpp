// Whole patterns, check digits and refusals of JAN-13, JAN-8 and UPC-A, one table for each fact
// (UPC-E, whose check digit comes from its UPC-A form, joins the patterns only).
#include <gtest/gtest.h>

#include <string>

#include "symbologies/retail/jan13.h"
#include "symbologies/retail/jan8.h"
#include "symbologies/retail/upc_a.h"
#include "symbologies/retail/upc_e.h"
#include "tests/cpp/linear_test_util.h"

namespace {

struct Code {
    std::string (*complete)(const std::string&);
    ModuleWidths (*encode)(const std::string&);
};

const Code kJan13{CompleteJan13, EncodeJan13};
const Code kJan8{CompleteJan8, EncodeJan8};
const Code kUpcA{CompleteUpcA, EncodeUpcA};

TEST(EanUpcCodes, WholePatterns) {
    // Worked by hand from the published L, G and R sets (runs of each digit's four elements).
    const struct {
        ModuleWidths (*encode)(const std::string&);
        const char* code;
        std::string widths;
        int modules;
    } rows[] = {
        // Left half 012345 with leading 1 (LLGLGG), then 67890 and the check digit 4 on the right.
        {EncodeJan13, "1012345678904",
         std::string("111") + "3211" + "2221" + "2212" + "1411" + "2311" + "1321" + "11111" + "1114" + "1312" +
             "1213" + "3112" + "3211" + "1132" + "111",
         95},
        // 4 9 0 1 | 2 3 4 7: L and R share runs.
        {EncodeJan8, "4901234",
         std::string("111") + "1132" + "3112" + "3211" + "2221" + "11111" + "2122" + "1411" + "1132" + "1312" + "111",
         67},
        // 0 3 6 0 0 0 | 2 9 1 4 5 2: every left digit in set L.
        {EncodeUpcA, "03600029145",
         std::string("111") + "3211" + "1411" + "1114" + "3211" + "3211" + "3211" + "11111" + "2122" + "3112" +
             "2221" + "1132" + "1231" + "2122" + "111",
         95},
        // 0 123456 5: parity EOOEEO, the six-element end guard.
        {EncodeUPCE, "01234565",
         std::string("111") + "1222" + "2122" + "1411" + "2311" + "1321" + "1114" + "111111", 51},
    };
    for (const auto& row : rows) {
        const ModuleWidths w = row.encode(row.code);
        EXPECT_EQ(WidthsText(w), row.widths) << row.code;
        EXPECT_EQ(ModuleCount(w), row.modules) << row.code;
    }
}

TEST(EanUpcCodes, CompletionAppendsTheCheckDigitAndAcceptsIt) {
    // Check digits worked by hand: weights 3, 1, 3, ... from the last data digit.
    const struct {
        Code code;
        const char* data;
        char check;
    } rows[] = {
        {kJan13, "400638133393", '1'},
        {kJan13, "490123456789", '4'},
        {kJan13, "000000000000", '0'},
        {kJan13, "999999999999", '4'},  // 9 + 3*9 ... = 216 -> 4
        {kJan13, "100000000000", '9'},  // 1 at weight 1
        {kJan13, "010000000000", '7'},  // 1 at weight 3
        {kJan8, "9638507", '4'},
        {kJan8, "4901234", '7'},
        {kJan8, "0000000", '0'},
        {kJan8, "1000000", '7'},  // positions 1, 3, 5, 7 weigh 3
        {kJan8, "0100000", '9'},
        {kUpcA, "03600029145", '2'},
        {kUpcA, "01234567890", '5'},
        {kUpcA, "00000000000", '0'},
        {kUpcA, "10000000000", '7'},  // odd positions weigh 3
        {kUpcA, "01000000000", '9'},
    };
    for (const auto& row : rows) {
        const std::string full = row.data + std::string(1, row.check);
        EXPECT_EQ(row.code.complete(row.data), full);
        EXPECT_EQ(row.code.complete(full), full);
        EXPECT_EQ(row.code.encode(row.data), row.code.encode(full)) << full;
        for (char wrong = '0'; wrong <= '9'; ++wrong) {
            if (wrong == row.check) continue;
            EXPECT_EQ(EncodeError(row.code.encode, row.data + std::string(1, wrong)), "Invalid check digit") << wrong;
        }
    }
}

TEST(EanUpcCodes, InvalidCodesFail) {
    // The classes' messages; the digit test comes before the length test.
    const struct {
        Code code;
        std::string text;
        const char* message;
    } rows[] = {
        {kJan13, "", "Empty string"},
        {kJan13, "12A", "Jan13 barcode requires numeric digits only"},
        {kJan13, "49012345678 9", "Jan13 barcode requires numeric digits only"},
        {kJan13, std::string("490123\0" "45678", 12), "Jan13 barcode requires numeric digits only"},
        {kJan13, "\xEF\xBC\x91", "Jan13 barcode requires numeric digits only"},
        {kJan13, "49012345678", "Jan13 barcode requires 12 or 13 digits"},
        {kJan13, "49012345678941", "Jan13 barcode requires 12 or 13 digits"},
        {kJan13, std::string(5000, '1'), "Jan13 barcode requires 12 or 13 digits"},
        {kJan8, "", "Empty string"},
        {kJan8, "490123x", "Jan8 barcode requires numeric digits only"},
        {kJan8, "-4901234", "Jan8 barcode requires numeric digits only"},
        {kJan8, "490123", "Jan8 barcode requires 7 or 8 digits"},
        {kJan8, "490123456", "Jan8 barcode requires 7 or 8 digits"},
        {kUpcA, "", "Empty string"},
        {kUpcA, "0360002914a", "UPC-A barcode requires numeric digits only"},
        {kUpcA, "0360002914", "UPC-A barcode requires 11 or 12 digits"},
        {kUpcA, "0360002914521", "UPC-A barcode requires 11 or 12 digits"},
    };
    for (const auto& row : rows) EXPECT_EQ(EncodeError(row.code.encode, row.text), row.message) << row.text.substr(0, 20);
}

}  // namespace
