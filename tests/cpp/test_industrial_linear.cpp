#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "symbologies/registry.h"
#include "tests/cpp/zint_dump.h"
#include "tests/cpp/zint_rows.h"

// MSI Plessey, UK Plessey and Code 11 behind make().

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
// -b 1 Code 11 with --vers=0-2 for ck, c, none).
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
};

TEST(IndustrialLinear, ModulesAndTextAsZint) {
    for (const Row& row : kRows) {
        const EncodedSymbol symbol = Made(row.symbology, row.data, row.check);
        if (row.dump != nullptr) EXPECT_EQ(ZintDump(symbol.rows.at(0).modules), row.dump) << row.data;
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

}  // namespace
