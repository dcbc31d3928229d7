#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "symbologies/health/hibc.h"
#include "symbologies/registry.h"
#include "tests/cpp/zint_dump.h"
#include "tests/cpp/zint_rows.h"

namespace {

struct Row {
    const char* data;
    const char* hibc;  // '+', the data, the check character
    const char* code128;  // this library's Code 128 of the HIBC string (see below)
    const char* code39;   // zint --dump -b 99
};

// The first row is ANSI/HIBC 2.6's primary LIC example (check character G); every row: zint 2.15
// prints the same "*+...*" line and draws the same Code 39 and Code 128 modules.
const Row kRows[] = {
    {"A123BJC5D6E71", "+A123BJC5D6E71G",
     "D2 18 92 8C 4E 6C E5 97 22 C5 B8 88 DB 92 C4 67 48 D1 DB A7 36 88 C6 D8 EB",
     "8B BA 8A 22 EA 2E E8 AE B8 AE EE 2A BA 2E AE 3A EE 8A E8 EA AE 2E B8 EA EB 8A A2 EE E8 AE A8 EE 8B BA"},
    {"$$3091231LOT1", "+$$3091231LOT1+",
     "D2 18 92 46 48 CB BD B6 3D B7 6E BD D3 9A 37 47 6D C5 39 B1 24 32 C7 58",
     "8B BA 8A 22 88 8A 88 8A EE 2A A3 BA B8 BA E8 AE B8 AE EE 2A E8 AE BA 8E EB A2 AE E2 E8 AE 8A 22 8B BA"},
};

TEST(Hibc, LinearCarriersAsZint) {
    for (const Row& row : kRows) {
        EXPECT_EQ(HibcString(row.data, 110), row.hibc);
        for (const auto& [name, dump] : {std::pair{"hibc-128", row.code128}, std::pair{"hibc-39", row.code39}}) {
            const EncodedSymbol symbol = Encode(name, row.data, EncodeOptions{});
            EXPECT_EQ(ZintDump(symbol.rows.at(0).modules), dump) << name << " " << row.data;
            EXPECT_EQ(symbol.text.at(0).text, "*" + std::string(row.hibc) + "*");
        }
    }
}

TEST(Hibc, Refusals) {
    struct Refusal {
        const char* symbology;
        std::string data;
        EncodeErrorKind kind;
        long position;
        const char* message;
    };
    // Worked by hand from the modulo 43 values; zint refuses the same characters and lengths.
    const Refusal refusals[] = {
        {"hibc-128", "+A123BJC5D6E71H", EncodeErrorKind::InvalidData, 14,
         "hibc-128: check character 'H' is wrong, expected 'G'"},
        {"hibc-39", "A12#", EncodeErrorKind::InvalidCharacter, 3,
         "hibc-39: characters are 0-9, A-Z, space and - . $ / + %"},
        {"hibc-39", std::string(69, '1'), EncodeErrorKind::TooLong, -1, "hibc-39: the data has more than 68 characters"},
        {"hibc-qr", std::string(111, '1'), EncodeErrorKind::TooLong, -1,
         "hibc-qr: the data has more than 110 characters"},
        {"hibc-datamatrix", "+G", EncodeErrorKind::InvalidData, -1,
         "hibc-datamatrix: '+', the data and the check character: data missing"},
    };
    for (const Refusal& r : refusals) {
        try {
            Encode(r.symbology, r.data, EncodeOptions{});
            ADD_FAILURE() << "accepted " << r.data;
        } catch (const EncodeError& e) {
            EXPECT_EQ(e.what(), std::string(r.message));
            EXPECT_EQ(int(e.Kind()), int(r.kind)) << r.message;
            EXPECT_EQ(e.Position(), r.position) << r.message;
        }
    }
}

// Seeded data in every carrier never larger than zint draws it (its default sizes: Data Matrix
// square, as shape "square"; PDF417 in zint's columns, as its automatic columns aim at another
// aspect ratio); module for module in Code 39 and MicroPDF417. Code 128, Data Matrix, QR and PDF417
// (text compaction submodes) pick one of several equally short encodations (and masks) where zint
// may pick another.
TEST(Hibc, SeededDataAsZint) {
    if (!HaveZint()) GTEST_SKIP() << "zint not installed";
    std::mt19937 rng(2026);
    const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
    struct Carrier {
        const char* name;
        const char* zint;
        bool module_exact;
    };
    const Carrier carriers[] = {{"hibc-128", "-b 98", false},        {"hibc-39", "-b 99", true},
                                {"hibc-datamatrix", "-b 102 --square", false}, {"hibc-qr", "-b 104", false},
                                {"hibc-pdf417", "-b 106", false},    {"hibc-micropdf417", "-b 108", true}};
    for (const Carrier& carrier : carriers) {
        for (int n = 0; n < 8; ++n) {
            std::string data(1 + rng() % 30, ' ');
            for (char& c : data) c = alphabet[rng() % alphabet.size()];
            if (data[0] == '+') data[0] = 'A';  // a '+' first would be read as the whole HIBC string
            const auto zint = ZintRowsOf(carrier.zint, data);
            ASSERT_TRUE(zint) << carrier.name << " " << data;
            size_t zint_width = 0;  // without the dump's padding: every carrier has a dark module in its last column
            for (const std::string& row : *zint) zint_width = std::max(zint_width, row.find_last_of('1') + 1);
            EncodeOptions options;
            options.shape = "square";
            const bool pdf417 = std::string(carrier.name) == "hibc-pdf417";
            if (pdf417) options.columns = int(zint_width - 69) / 17;  // zint's columns: 17 modules each, 69 around
            const std::vector<std::string> ours = ModuleRows(Encode(carrier.name, data, options));
            EXPECT_LE(ours.size() * ours[0].size(), zint->size() * zint_width) << carrier.name << " " << data;
            if (!carrier.module_exact) continue;
            ASSERT_EQ(ours.size(), zint->size()) << carrier.name << " " << data;
            for (size_t r = 0; r < ours.size(); ++r)
                EXPECT_EQ(ours[r], (*zint)[r].substr(0, ours[r].size())) << carrier.name << " " << data << " row " << r;
        }
    }
}

}  // namespace
