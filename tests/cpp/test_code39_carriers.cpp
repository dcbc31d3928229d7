#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "symbologies/check_digits.h"
#include "symbologies/registry.h"
#include "tests/cpp/zint_dump.h"
#include "tests/cpp/zint_rows.h"

// The codes drawn in Code 39 behind make(): Full ASCII, LOGMARS, PZN, Code 32 and VIN.

namespace {

EncodedSymbol Made(const std::string& symbology, const std::string& data, const std::string& check = "",
                   bool pzn7 = false) {
    EncodeOptions options;
    options.check = check;
    options.pzn7 = pzn7;
    return Encode(symbology, data, options);
}

struct Row {
    const char* symbology;
    std::string data;
    const char* check;
    bool pzn7;
    const char* dump;     // zint --dump of the same data and settings
    const char* printed;  // the line under the bars, as zint prints it
};

// Every row: zint 2.15 --dump gives the same modules (-b 9 Full ASCII, 50 LOGMARS, 52 PZN,
// 129 Code 32, 73 VIN; --vers=1 for check "mod43" and pzn7), and prints the same text.
const Row kRows[] = {
    {"code39-ascii", "Ab1", "", false, "96 D6 A5 A5 25 69 6D 2B 4B 68", "Ab1"},
    {"code39-ascii", "Ab1", "mod43", false, "96 D6 A5 A5 25 69 6D 2B 6A 9A 5B 4", "Ab1K"},
    {"code39-ascii", "a~ {}", "", false, "96 D4 A4 B5 2D 49 2B 59 4D 6A 92 56 D2 A4 96 AC A5 B4", "a~ {}"},
    {"code39-ascii", "\x01\x1B\x7F", "", false, "96 D4 92 B5 2D 49 2D 4B 52 4A B6 52 DA", "   "},
    {"code39-ascii", "@`:;/$%", "", false,
     "96 D5 24 A6 AD 49 2C D5 49 4A 6D 54 92 B6 54 94 B5 A5 25 2A CB 49 4B 59 52 DA", "@`:;/$%"},
    {"logmars", "LOGMARS-1", "", false, "8B BA BA 8E EB A2 A8 EE EE A2 EA 2E EA E2 BA E2 8A EE E8 AE 8B BA",
     "LOGMARS-1"},
    {"logmars", "ab 12", "mod43", false, "8B BA EA 2E BA 2E 8E BA E8 AE B8 AE AE 3A 8B BA", "AB 12J"},
    {"pzn", "1234567", "", false, "96 D4 AD B4 AD 65 6D 95 53 5B 4D 56 6A A5 B6 96 A5 B4", "PZN - 12345678"},
    {"pzn", "12345678", "", false, "96 D4 AD B4 AD 65 6D 95 53 5B 4D 56 6A A5 B6 96 A5 B4", "PZN - 12345678"},
    {"pzn", "2", "", false, "96 D4 AD A9 B5 4D AA 6D 53 6A 9B 54 DA B2 B6 CA A5 B4", "PZN - 00000023"},
    {"pzn", "0000020", "", false, "96 D4 AD A9 B5 4D AA 6D 53 6A 9B 56 56 A6 D6 95 A5 B4", "PZN - 00000201"},
    {"pzn", "123456", "", true, "96 D4 AD B4 AD 65 6D 95 53 5B 4D 56 6A B2 B4 B6 8", "PZN - 1234562"},
    {"pzn", "1234562", "", true, "96 D4 AD B4 AD 65 6D 95 53 5B 4D 56 6A B2 B4 B6 8", "PZN - 1234562"},
    {"code32", "12345678", "", false, "96 D6 CA AD A5 AB 2D A9 69 6A B4 D2 DA", "A123456788"},
    {"code32", "123456788", "", false, "96 D6 CA AD A5 AB 2D A9 69 6A B4 D2 DA", "A123456788"},
    {"code32", "1", "", false, "96 D5 36 A9 B5 4D AA 6D 53 6A B2 D2 DA", "A000000012"},
    {"code32", "99999999", "", false, "96 D4 B5 AB 65 6D 2B 53 6A 6A D6 52 DA", "A999999992"},
    // a North American VIN, check digit X
    {"vin", "1M8GDM9AXKP042788", "", false,
     "96 D6 95 B6 A5 A5 AA 9B 56 5B 6A 56 5A D4 B4 B5 B5 4D 6D 2A 6D 53 5A CA D4 B6 D2 D6 96 A5 B4",
     "1M8GDM9AXKP042788"},
};

TEST(Code39Carriers, ModulesAndTextAsZint) {
    for (const Row& row : kRows) {
        const EncodedSymbol symbol = Made(row.symbology, row.data, row.check, row.pzn7);
        ASSERT_EQ(symbol.rows.size(), 1u);
        EXPECT_EQ(ZintDump(symbol.rows[0].modules), row.dump) << row.symbology << " " << row.data;
        ASSERT_EQ(symbol.text.size(), 1u);
        EXPECT_EQ(symbol.text[0].text, row.printed) << row.symbology << " " << row.data;
        EXPECT_EQ(symbol.quiet_zone.left, 10);  // ISO/IEC 16388 4.4
    }
}

struct Refusal {
    const char* symbology;
    std::string data;
    const char* check;
    bool pzn7;
    EncodeErrorKind kind;
    long position;
    const char* message;
};

// Worked by hand; zint refuses the same data (its check digit messages expect the same digit).
const Refusal kRefusals[] = {
    {"code39-ascii", "A\xC3\xA9", "", false, EncodeErrorKind::InvalidCharacter, 1,
     "code39-ascii: only ASCII characters can be encoded"},
    {"code39-ascii", std::string(44, 'a'), "", false, EncodeErrorKind::TooLong, -1,
     "code39-ascii: the data needs 88 Code 39 characters, at most 86"},
    {"code39-ascii", "A", "mod10", false, EncodeErrorKind::InvalidOption, -1,
     "code39-ascii: check must be none or mod43, not \"mod10\""},
    {"logmars", "AB*C", "", false, EncodeErrorKind::InvalidCharacter, 2,
     "logmars: characters are 0-9, A-Z, space and - . $ / + %"},
    {"logmars", std::string(31, 'A'), "", false, EncodeErrorKind::TooLong, -1,
     "logmars: the data has more than 30 characters"},
    {"pzn", "12345670", "", false, EncodeErrorKind::InvalidData, 7, "pzn: check digit '0' is wrong, expected '8'"},
    {"pzn", "1234561", "", true, EncodeErrorKind::InvalidData, 6, "pzn: check digit '1' is wrong, expected '2'"},
    {"pzn", "123456789", "", false, EncodeErrorKind::TooLong, -1, "pzn: the data has more than 8 characters"},
    {"pzn", "12a", "", false, EncodeErrorKind::InvalidCharacter, 2, "pzn: only digits can be encoded"},
    {"pzn", "3", "", false, EncodeErrorKind::InvalidData, -1,
     "pzn: the check value of 0000003 is 10: no PZN is issued with it"},
    {"pzn", "", "", false, EncodeErrorKind::InvalidData, -1, "pzn: the data is empty"},
    {"code32", "123456780", "", false, EncodeErrorKind::InvalidData, 8,
     "code32: check digit '0' is wrong, expected '8'"},
    {"code32", "1234567890", "", false, EncodeErrorKind::TooLong, -1, "code32: the data has more than 9 characters"},
    {"vin", "1M8GDM9A1KP042788", "", false, EncodeErrorKind::InvalidData, 8,
     "vin: check digit '1' is wrong, expected 'X'"},
    {"vin", "1M8GDM9AXKP04278", "", false, EncodeErrorKind::InvalidData, -1, "vin: a VIN has 17 characters, not 16"},
    {"vin", "1M8GDM9AXKP0427O8", "", false, EncodeErrorKind::InvalidCharacter, 15,
     "vin: characters are 0-9 and A-Z without I, O and Q"},
};

TEST(Code39Carriers, Refusals) {
    for (const Refusal& r : kRefusals) {
        try {
            Made(r.symbology, r.data, r.check, r.pzn7);
            ADD_FAILURE() << "accepted " << r.symbology << " " << r.data;
        } catch (const EncodeError& e) {
            EXPECT_EQ(e.what(), std::string(r.message));
            EXPECT_EQ(int(e.Kind()), int(r.kind)) << r.message;
            EXPECT_EQ(e.Position(), r.position) << r.message;
        }
    }
}

// Seeded data zint encodes alike, module for module, each time zint is there to ask.
TEST(Code39Carriers, SeededDataAsZint) {
    if (!HaveZint()) GTEST_SKIP() << "zint not installed";
    std::mt19937 rng(27);
    struct Kind {
        const char* symbology;
        const char* zint;
        const char* check;
        bool pzn7;
        std::string alphabet;
        size_t max_length;
    };
    std::string ascii;
    for (int c = 1; c < 128; ++c) ascii += char(c);
    const Kind kinds[] = {
        {"code39-ascii", "-b 9", "", false, ascii, 20},
        {"code39-ascii", "-b 9 --vers=1", "mod43", false, ascii, 20},
        {"logmars", "-b 50 --vers=1", "mod43", false, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", 30},
        {"pzn", "-b 52", "", false, "0123456789", 7},
        {"pzn", "-b 52 --vers=1", "", true, "0123456789", 6},
        {"code32", "-b 129", "", false, "0123456789", 8},
    };
    for (const Kind& kind : kinds) {
        for (int n = 0; n < 12; ++n) {
            std::string data(1 + rng() % kind.max_length, ' ');
            for (char& c : data) c = kind.alphabet[rng() % kind.alphabet.size()];
            const auto zint = ZintRowsOf(kind.zint, data);
            if (!zint || zint->size() != 1) continue;  // zint refuses it (a PZN check value of 10)
            const std::string ours = ModuleRows(Made(kind.symbology, data, kind.check, kind.pzn7))[0];
            EXPECT_EQ(ours, (*zint)[0].substr(0, ours.size())) << kind.symbology << " " << data;
            EXPECT_EQ((*zint)[0].find('1', ours.size()), std::string::npos) << kind.symbology << " " << data;
        }
    }
}

// Seeded VINs with this library's check digit: zint checks it too, and draws the same modules.
TEST(Code39Carriers, SeededVinsAsZint) {
    if (!HaveZint()) GTEST_SKIP() << "zint not installed";
    std::mt19937 rng(3779);
    const std::string alphabet = "0123456789ABCDEFGHJKLMNPRSTUVWXYZ";
    for (int n = 0; n < 12; ++n) {
        std::string vin(17, ' ');
        for (char& c : vin) c = alphabet[rng() % alphabet.size()];
        vin[8] = VinCheckDigit(vin);
        const auto zint = ZintRowsOf("-b 73", vin);
        ASSERT_TRUE(zint && zint->size() == 1) << vin;
        const std::string ours = ModuleRows(Made("vin", vin))[0];
        EXPECT_EQ(ours, (*zint)[0].substr(0, ours.size())) << vin;
    }
}

}  // namespace
