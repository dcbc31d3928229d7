#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "encode_error_util.h"
#include "symbologies/matrix/rmqr_tables.h"
#include "symbologies/registry.h"
#include "tests/cpp/zint_dump.h"
#include "tests/cpp/zint_rows.h"

namespace {

std::vector<std::string> Dump(const EncodedSymbol& symbol) {
    std::vector<std::string> rows;
    for (const std::string& row : ModuleRows(symbol)) {
        std::vector<uint8_t> modules;
        for (char c : row) modules.push_back(c == '1');
        rows.push_back(ZintDump(modules));
    }
    return rows;
}

TEST(Rmqr, Symbols) {
    // zint --dump gives the same modules (zint 2.15.0 with --secure: without it zint raises the level
    // while the size allows).
    const struct {
        std::string data;
        std::string error;
        std::string size;
        std::vector<std::string> rows;
    } cases[] = {
        // The smallest area: R11x27 (297 modules) before R7x43 (301).
        {"12345", "M", "", {"FE AA AA E", "82 EA 70 A", "BA 7D 48 A", "BA 2F 00 8", "BA 1A FE 6", "82 68 0E C",
                            "FE 97 A7 E", "00 DD EA 2", "DA 82 36 A", "B4 21 4A 2", "EA AA AB E"}},
        {"ABC", "H", "R11x27", {"FE AA AA E", "82 6B 3A A", "BA 1C 48 E", "BA F6 87 0", "BA 58 73 A", "82 E4 9E 4",
                                "FE 57 AB E", "00 50 32 2", "E2 62 3E A", "BC 72 5A 2", "EA AA AB E"}},
    };
    for (const auto& c : cases) {
        EncodeOptions options;
        options.error = c.error;
        options.size = c.size;
        EXPECT_EQ(Dump(Encode("rmqr", c.data, options)), c.rows) << c.data;
    }
}

TEST(Rmqr, SizeChoice) {
    // Worked from the size table: 12 digits take 3 + 4 + 40 bits, which the 7 data codewords of
    // R11x27 at M hold (297 modules, R7x43 has 301); at height 17 the narrowest is R17x43; 40
    // alphanumeric characters take 3 + 6 + 220 bits, over R7x99's 224 at M.
    const struct {
        std::string data;
        int rows;
        int expected_rows, expected_columns;
    } cases[] = {
        {"123456789012", 0, 11, 27},
        {"123456789012", 17, 17, 43},
        {std::string(40, 'A'), 7, 7, 139},
    };
    for (const auto& c : cases) {
        EncodeOptions options;
        options.rows = c.rows;
        const std::vector<std::string> rows = ModuleRows(Encode("rmqr", c.data, options));
        EXPECT_EQ(int(rows.size()), c.expected_rows) << c.data;
        EXPECT_EQ(int(rows[0].size()), c.expected_columns) << c.data;
    }
}

TEST(Rmqr, RefusedSettingsAndData) {
    const struct {
        std::string data;
        std::string error;
        std::string size;
        int rows;
        int eci;
        EncodeErrorKind kind;
        long position;
    } cases[] = {
        {"1", "L", "", 0, -1, EncodeErrorKind::InvalidOption, -1},          // levels M and H only
        {"1", "M", "R8x43", 0, -1, EncodeErrorKind::InvalidOption, -1},
        {"1", "M", "", 8, -1, EncodeErrorKind::InvalidOption, -1},
        {"1", "M", "R7x43", 9, -1, EncodeErrorKind::InvalidOption, -1},     // rows differ from the size's
        {std::string(13, '1'), "M", "R7x43", 0, -1, EncodeErrorKind::TooLong, -1},  // 12 digits fill it
        {std::string(150, 'a'), "M", "", 7, -1, EncodeErrorKind::TooLong, -1},
        {"ab\xD0\x96", "M", "", 0, 3, EncodeErrorKind::InvalidCharacter, 2},   // Ж is not in ISO-8859-1
    };
    for (const auto& c : cases) {
        EncodeOptions options;
        options.error = c.error;
        options.size = c.size;
        options.rows = c.rows;
        options.eci = c.eci;
        ExpectEncodeError([&] { Encode("rmqr", c.data, options); }, c.kind, c.position);
    }
}

std::vector<std::string> OurRows(const std::string& data, const EncodeOptions& options) {
    std::vector<std::string> rows = ModuleRows(Encode("rmqr", data, options));
    for (std::string& row : rows) row.resize((row.size() + 3) / 4 * 4, '0');  // as zint pads them
    return rows;
}

// Seeded texts in every size and both levels. Where one mode holds the whole text zint --dump gives
// the same modules; mixed texts may split differently (ours has the fewest bits) and are never in a
// larger symbol than zint's.
TEST(Rmqr, SameModulesAsZint) {
    if (!HaveZint()) GTEST_SKIP() << "zint is not installed";
    std::mt19937 rng(23941);
    const std::string alphabets[] = {"0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:", "abcdefxyz!#&()",
                                     "0123456789ABCDEFabcdefxyz!#&()"};
    int compared = 0;
    for (int size = 0; size < kRmqrSizes; ++size) {
        for (const char* error : {"M", "H"}) {
            const int round = int(rng() % 4);
            const std::string& alphabet = alphabets[round];
            const size_t length = 1 + rng() % 12;
            std::string data;
            for (size_t i = 0; i < length; ++i) data += alphabet[rng() % alphabet.size()];
            EncodeOptions options;
            options.error = error;
            options.size = RmqrName(size);
            std::vector<std::string> ours;
            try {
                ours = OurRows(data, options);
            } catch (const EncodeError&) {
                continue;
            }
            const auto theirs = ZintRowsOf("-b 145 --vers=" + std::to_string(size + 1) + " --secure=" +
                                               (error[0] == 'M' ? "2" : "4"),
                                           data);
            ASSERT_TRUE(theirs.has_value());
            if (round == 3) EXPECT_EQ(ours.size(), theirs->size()) << data;
            else {
                std::string diff;
                for (size_t r = 0; r < ours.size() && r < theirs->size(); ++r)
                    for (size_t c = 0; c < ours[r].size() && c < (*theirs)[r].size(); ++c)
                        if (ours[r][c] != (*theirs)[r][c]) diff += "(" + std::to_string(r) + "," + std::to_string(c) + ")";
                EXPECT_EQ(diff, "") << data << " " << RmqrName(size) << " error " << error;
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 50);
}

}  // namespace
