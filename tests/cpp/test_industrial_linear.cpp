#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "symbologies/registry.h"
#include "tests/cpp/zint_dump.h"
#include "tests/cpp/zint_rows.h"

// MSI Plessey, UK Plessey, Code 11, Telepen, Code 93 Full ASCII, EAN-14, SSCC-18 and the 2 of 5
// codes, the DX film edge barcode and Flattermarken behind make().

namespace {

EncodedSymbol Made(const std::string& symbology, const std::string& data, const std::string& check) {
    EncodeOptions options;
    options.check = check;
    return Encode(symbology, data, options);
}

struct Row {
    const char* symbology;
    const char* data;
    const char* check;
    const char* dump;     // zint --dump of the same data and settings
    const char* printed;  // the line under the bars, as zint prints it
};

// Every row: zint 2.15 --dump gives the same modules and prints the same text (-b 47 MSI with
// --vers=0-6 for none, mod10, mod10-10, mod11, mod11-10, mod11-ncr, mod11-ncr-10; -b 86 Plessey;
// -b 1 Code 11 with --vers=0-2 for ck, c, none; -b 25 Code 93, which zint writes in Full ASCII;
// -b 72 EAN-14 and -b 75 SSCC-18, from the digits without their check digit; -b 32 Telepen and
// -b 87 Telepen numeric; -b 7 Industrial, -b 4 IATA and -b 6 Data Logic 2 of 5, --vers=1 for mod10;
// -b 28 Flattermarken, which prints no text).
const Row kRows[] = {
    {"msi", "1", "", "D2 4D 2", "1"},
    {"msi", "1234567", "mod10", "D2 4D 26 92 6D 34 93 4D 36 93 6D 34 92", "12345674"},
    {"msi", "1234567", "mod10-10", "D2 4D 26 92 6D 34 93 4D 36 93 6D 34 92 4D 2", "123456741"},
    {"msi", "1234567", "mod11", "D2 4D 26 92 6D 34 93 4D 36 93 6D 34 92", "12345674"},
    {"msi", "1234567", "mod11-10", "D2 4D 26 92 6D 34 93 4D 36 93 6D 34 92 4D 2", "123456741"},
    {"msi", "1234567", "mod11-ncr", "D2 4D 26 92 6D 34 93 4D 36 93 6D A4 D2", "12345679"},
    {"msi", "1234567", "mod11-ncr-10", "D2 4D 26 92 6D 34 93 4D 36 93 6D A4 D2 49 2", "123456790"},
    {"msi", "6", "mod11", nullptr, "610"},    // a check of 10 is written "10"
    {"msi", "6", "mod11-10", nullptr, "6106"},
    {"plessey", "1234ABCD", "", "EE 8E E8 88 8E 88 EE 88 88 E8 8E 8E EE 8E 88 EE E8 EE E8 EE 88 EE E2 2E E",
     "1234ABCD"},
    {"plessey", "0", "", "EE 8E 88 88 88 88 88 88 E2 2E E", "0"},
    {"code11", "123-45", "", "B2 D6 96 CA B5 6D B5 B5 2D 64", "123-4552"},
    {"code11", "123-45", "c", "B2 D6 96 CA B5 6D B5 B5 64", "123-455"},
    {"code11", "123-45", "none", "B2 D6 96 CA B5 6D B5 64", "123-45"},
    {"code11", "-", "", nullptr, "--8"},  // a C check of 10 is '-'
    {"code93-ascii", "a$b~", "", "AF 4C B5 1C A9 96 93 B5 AC B2 51 AB D", "a$b~"},
    {"code93-ascii", "\x01 /+%", "", "AF 49 B5 1D 2B 75 DB 5D 32 96 57 A", "  /+%"},
    {"telepen", "Hello 1", "", "AA B8 EE 38 B8 88 EA 88 EA 88 AA 88 EE E2 BA 22 88 AE E2 AA", "Hello 1"},
    {"telepen-numeric", "12345", "", "AA B8 EA BA E2 22 EE 38 EE 2A E2 AA", "012345"},
    {"telepen-numeric", "1234X", "", "AA B8 EA BA E2 22 B8 BA EA BA E2 AA", "01234X"},
    {"telepen-numeric", "1x", "", "AA B8 E3 8E A2 2A E2 AA", "1X"},
    {"industrial2of5", "123", "", "EE BA AE BA BB BA AE B8", "123"},
    {"industrial2of5", "123", "mod10", "EE BA AE BA BB BA AB BA BA E", "1236"},
    {"iata2of5", "123", "", "AE AB AE AE EE AB A", "123"},
    {"iata2of5", "123", "mod10", "AE AB AE AE EE AA EE AE 8", "1236"},
    {"datalogic2of5", "123", "", "AE BA 2E E2 BA", "123"},
    {"datalogic2of5", "123", "mod10", "AE BA 2E E2 A3 AE 8", "1236"},
    {"flattermarken", "1234567890", "", "80 20 08 02 00 80 20 08 02 00 80 0", nullptr},
    {"flattermarken", "09", "", "00 00 4", nullptr},  // 0 is no mark
    {"ean14", "1234567890123", "", "D3 9E BB 36 59 C8 B1 C5 B0 A6 F6 B3 9B 1A 19 63 AC", "(01)12345678901231"},
    {"ean14", "12345678901231", "", "D3 9E BB 36 59 C8 B1 C5 B0 A6 F6 B3 9B 1A 19 63 AC", "(01)12345678901231"},
    {"ean14", "123", "", "D3 9E BB 36 6C CD 99 B3 36 66 CC B3 96 23 12 63 AC", "(01)00000000001236"},
    {"sscc18", "12345678901234567", "", "D3 9E BB 66 59 C8 B1 C5 B0 A6 F6 B3 91 63 8B 61 2B 71 8E B",
     "(00)123456789012345675"},
};

TEST(IndustrialLinear, ModulesAndTextAsZint) {
    for (const Row& row : kRows) {
        const EncodedSymbol symbol = Made(row.symbology, row.data, row.check);
        if (row.dump != nullptr) EXPECT_EQ(ZintDump(symbol.rows.at(0).modules), row.dump) << row.data;
        if (row.printed == nullptr) {
            EXPECT_TRUE(symbol.text.empty()) << row.data;
            continue;
        }
        EXPECT_EQ(symbol.text.at(0).text, row.printed) << row.symbology << " " << row.data;
    }
}

TEST(IndustrialLinear, Refusals) {
    struct Refusal {
        const char* symbology;
        std::string data;
        const char* check;
        EncodeErrorKind kind;
        long position;
        const char* message;
    };
    // zint refuses the same characters and lengths.
    const Refusal refusals[] = {
        {"msi", "12A", "", EncodeErrorKind::InvalidCharacter, 2, "msi: only digits can be encoded"},
        {"msi", "1", "mod12", EncodeErrorKind::InvalidOption, -1,
         "msi: check must be none, mod10, mod10-10, mod11, mod11-10, mod11-ncr or mod11-ncr-10, not \"mod12\""},
        {"plessey", "12abc", "", EncodeErrorKind::InvalidCharacter, 2, "plessey: characters are 0-9 and A-F"},
        {"plessey", std::string(68, '1'), "", EncodeErrorKind::TooLong, -1,
         "plessey: the data has more than 67 characters"},
        {"code11", "12+", "", EncodeErrorKind::InvalidCharacter, 2, "code11: characters are 0-9 and -"},
        {"code11", std::string(141, '1'), "", EncodeErrorKind::TooLong, -1,
         "code11: the data has more than 140 characters"},
        {"code11", "1", "k", EncodeErrorKind::InvalidOption, -1, "code11: check must be ck, c or none, not \"k\""},
        {"telepen", std::string(70, '1'), "", EncodeErrorKind::TooLong, -1,
         "telepen: the data has more than 69 characters"},
        {"telepen-numeric", "X1", "", EncodeErrorKind::InvalidCharacter, 0,
         "telepen-numeric: 'X' stands only second in a pair of digits"},
        {"telepen-numeric", std::string(137, '1'), "", EncodeErrorKind::TooLong, -1,
         "telepen-numeric: the data has more than 136 characters"},
        {"industrial2of5", std::string(80, '1'), "", EncodeErrorKind::TooLong, -1,
         "industrial2of5: the data has more than 79 characters"},
        {"datalogic2of5", "1", "mod11", EncodeErrorKind::InvalidOption, -1,
         "datalogic2of5: check must be none or mod10, not \"mod11\""},
        {"dx-film-edge", "128-1", "", EncodeErrorKind::InvalidData, 0, "dx-film-edge: DX part 1 128 is outside 1-127"},
        {"dx-film-edge", "77-2/64", "", EncodeErrorKind::InvalidData, 5,
         "dx-film-edge: the frame number 64 is outside 0-63"},
        {"dx-film-edge", "15", "", EncodeErrorKind::InvalidData, 0, "dx-film-edge: the DX number 15 is outside 16-2047"},
        {"ean14", "12345678901230", "", EncodeErrorKind::InvalidData, 13,
         "ean14: check digit '0' is wrong, expected '1'"},
        {"sscc18", "123456789012345670", "", EncodeErrorKind::InvalidData, 17,
         "sscc18: check digit '0' is wrong, expected '5'"},
        {"sscc18", "1234567890123456789", "", EncodeErrorKind::TooLong, -1,
         "sscc18: the data has more than 18 characters"},
    };
    for (const Refusal& r : refusals) {
        try {
            Made(r.symbology, r.data, r.check);
            ADD_FAILURE() << "accepted " << r.data;
        } catch (const EncodeError& e) {
            EXPECT_EQ(e.what(), std::string(r.message));
            EXPECT_EQ(int(e.Kind()), int(r.kind)) << r.message;
            EXPECT_EQ(e.Position(), r.position) << r.message;
        }
    }
}

// Every ASCII character but NUL, which a command line cannot carry.
const char kAscii[] =
    "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19"
    "\x1A\x1B\x1C\x1D\x1E\x1F !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
    "abcdefghijklmnopqrstuvwxyz{|}~\x7F";

// Seeded data with every check choice, module for module as zint draws it.
TEST(IndustrialLinear, SeededDataAsZint) {
    if (!HaveZint()) GTEST_SKIP() << "zint not installed";
    std::mt19937 rng(47);
    struct Kind {
        const char* symbology;
        const char* check;
        const char* zint;
        const char* alphabet;
        size_t max_length;
    };
    const Kind kinds[] = {
        {"msi", "none", "-b 47", "0123456789", 30},
        {"msi", "mod10", "-b 47 --vers=1", "0123456789", 30},
        {"msi", "mod10-10", "-b 47 --vers=2", "0123456789", 30},
        {"msi", "mod11", "-b 47 --vers=3", "0123456789", 30},
        {"msi", "mod11-10", "-b 47 --vers=4", "0123456789", 30},
        {"msi", "mod11-ncr", "-b 47 --vers=5", "0123456789", 30},
        {"msi", "mod11-ncr-10", "-b 47 --vers=6", "0123456789", 30},
        {"plessey", "", "-b 86", "0123456789ABCDEF", 30},
        {"code11", "ck", "-b 1", "0123456789-", 30},
        {"code11", "c", "-b 1 --vers=1", "0123456789-", 30},
        {"code93-ascii", "", "-b 25", kAscii, 30},
        {"telepen", "", "-b 32", kAscii, 30},
        {"telepen-numeric", "", "-b 87", "0123456789", 60},
        {"industrial2of5", "mod10", "-b 7 --vers=1", "0123456789", 40},
        {"iata2of5", "none", "-b 4", "0123456789", 40},
        {"datalogic2of5", "mod10", "-b 6 --vers=1", "0123456789", 40},
        {"flattermarken", "", "-b 28", "0123456789", 40},
        {"ean14", "", "-b 72", "0123456789", 13},
        {"sscc18", "", "-b 75", "0123456789", 17},
    };
    for (const Kind& kind : kinds) {
        const std::string alphabet = kind.alphabet;
        for (int n = 0; n < 8; ++n) {
            std::string data(1 + rng() % kind.max_length, ' ');
            for (char& c : data) c = alphabet[rng() % alphabet.size()];
            const auto zint = ZintRowsOf(kind.zint, data);
            ASSERT_TRUE(zint && zint->size() == 1) << kind.symbology << " " << data;
            const std::string ours = ModuleRows(Made(kind.symbology, data, kind.check))[0];
            EXPECT_EQ(ours, (*zint)[0].substr(0, ours.size())) << kind.symbology << " " << kind.check << " " << data;
            EXPECT_EQ((*zint)[0].find('1', ours.size()), std::string::npos) << kind.symbology << " " << data;
        }
    }
}

// Clock and data tracks: zint 2.15 --dump -b 147 gives the same modules for these and for seeded
// DX numbers and frames.
TEST(IndustrialLinear, DxFilmEdgeAsZint) {
    struct Dx {
        const char* data;
        const char* clock;
        const char* track;
    };
    const Dx rows[] = {
        {"77-2", "FA AA AE", "AA 68 AA"},
        {"127-15", "FA AA AE", "AB FB EA"},
        {"16", "FA AA AE", "A8 08 2A"},  // part 1 x 16 + part 2
        {"77-2/12A", "FA AA AA AE", "AA 68 8C 8A"},
        {"77-2/0", "FA AA AA AE", "AA 68 80 2A"},
    };
    for (const Dx& row : rows) {
        const EncodedSymbol symbol = Made("dx-film-edge", row.data, "");
        ASSERT_EQ(symbol.rows.size(), 2u);
        EXPECT_EQ(ZintDump(symbol.rows[0].modules), row.clock) << row.data;
        EXPECT_EQ(ZintDump(symbol.rows[1].modules), row.track) << row.data;
    }
    if (!HaveZint()) GTEST_SKIP() << "zint not installed";
    std::mt19937 rng(147);
    for (int n = 0; n < 12; ++n) {
        std::string data = std::to_string(1 + rng() % 127) + "-" + std::to_string(rng() % 16);
        if (n % 2) data += "/" + std::to_string(rng() % 64) + (n % 4 == 1 ? "A" : "");
        const auto zint = ZintRowsOf("-b 147", data);
        ASSERT_TRUE(zint && zint->size() == 2) << data;
        const std::vector<std::string> ours = ModuleRows(Made("dx-film-edge", data, ""));
        for (size_t r = 0; r < 2; ++r) EXPECT_EQ(ours[r], (*zint)[r].substr(0, ours[r].size())) << data;
    }
}

}  // namespace
