#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "encode_error_util.h"
#include "symbologies/registry.h"
#include "tests/cpp/zint_dump.h"
#include "tests/cpp/zint_rows.h"

namespace {

EncodeOptions Options(const std::string& error, int version) {
    EncodeOptions options;
    options.error = error;
    options.size = version == 0 ? "" : "M" + std::to_string(version);
    return options;
}

std::vector<std::string> Dump(const EncodedSymbol& symbol) {
    std::vector<std::string> rows;
    for (const std::string& row : ModuleRows(symbol)) {
        std::vector<uint8_t> modules;
        for (char c : row) modules.push_back(c == '1');
        rows.push_back(ZintDump(modules));
    }
    return rows;
}

TEST(MicroQr, Symbols) {
    // zint --dump gives the same modules (zint 2.15.0; without --secure it raises the level while the
    // size allows, so the rows give it).
    const struct {
        std::string data;
        std::string error;
        std::vector<std::string> rows;
    } cases[] = {
        {"12345", "L", {"FE A", "82 C", "BA 8", "BA 0", "BA E", "82 6", "FE 8", "00 6", "CE 6", "51 8", "F0 6"}},  // M1
        {"HELLO", "M", {"FE A8", "82 40", "BA F8", "BA 68", "BA 90", "82 48", "FE 78", "00 C0", "E8 98", "5D F8",
                        "AA 18", "55 70", "E4 70"}},  // M2-M, alphanumeric
        {"\xE6\xBC\xA2\xE5\xAD\x97", "M",  // 漢字 in Kanji mode, M3-M
         {"FE AA", "82 38", "BA 2C", "BA 6A", "BA 5E", "82 FC", "FE D8", "00 10", "8C C2", "63 32", "A0 5C", "68 BC",
          "A7 8E", "17 AA", "FD 1A"}},
        {"ABC", "Q", {"FE AA 8", "82 CE 0", "BA 2D 8", "BA BA 8", "BA AB 0", "82 36 0", "FE 7C 8", "00 68 8", "BE 9D 0",
                      "22 AB 8", "C4 27 8", "1E 91 0", "90 23 8", "5D B9 8", "A3 8F 8", "3B DC 0", "CD BB 0"}},  // M4-Q
    };
    for (const auto& c : cases) {
        EncodeOptions options;
        options.error = c.error;
        EXPECT_EQ(Dump(Encode("microqr", c.data, options)), c.rows) << c.data;
    }
}

TEST(MicroQr, RefusedSettingsAndData) {
    // Worked from the version table: M1 holds 5 digits, M2-M 6 alphanumeric characters in 32 bits.
    const struct {
        std::string data;
        std::string error;
        int version;
        int eci;
        EncodeErrorKind kind;
        long position;
    } cases[] = {
        {"A", "L", 1, -1, EncodeErrorKind::InvalidData, -1},        // M1 holds digits only
        {"1", "M", 1, -1, EncodeErrorKind::InvalidOption, -1},      // M1 has error detection only
        {"1", "Q", 3, -1, EncodeErrorKind::InvalidOption, -1},      // Q in M4 only
        {"1", "H", 0, -1, EncodeErrorKind::InvalidOption, -1},
        {"1", "L", 5, -1, EncodeErrorKind::InvalidOption, -1},
        {"1", "L", 0, 26, EncodeErrorKind::InvalidOption, -1},      // no ECI in Micro QR
        {"ABCDEFG", "M", 2, -1, EncodeErrorKind::TooLong, -1},
        {std::string(36, '1'), "L", 0, -1, EncodeErrorKind::TooLong, -1},
        {"a\xF0\x9F\x98\x80", "L", 0, -1, EncodeErrorKind::InvalidCharacter, 1},  // neither ISO-8859-1 nor Shift JIS
    };
    for (const auto& c : cases) {
        EncodeOptions options = Options(c.error, c.version);
        options.eci = c.eci;
        ExpectEncodeError([&] { Encode("microqr", c.data, options); }, c.kind, c.position);
    }
}

std::vector<std::string> OurRows(const std::string& data, const EncodeOptions& options) {
    std::vector<std::string> rows = ModuleRows(Encode("microqr", data, options));
    for (std::string& row : rows) row.resize((row.size() + 3) / 4 * 4, '0');  // as zint pads them
    return rows;
}

// Seeded texts in every version and level. Where one mode holds the whole text (digits, alphanumeric
// characters without digits, lower case) zint --dump gives the same modules: the segment, padding,
// error correction, mask rule and format information agree. Mixed texts may split differently (ours
// has the fewest bits): there the symbol is never larger than zint's.
TEST(MicroQr, SameModulesAsZint) {
    if (!HaveZint()) GTEST_SKIP() << "zint is not installed";
    std::mt19937 rng(26);
    const std::string alphabets[] = {"0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:", "abcdefxyz!#&()",
                                     "0123456789ABCDEFabcdefxyz!#&()"};
    int compared = 0;
    for (int round = 0; round < 80; ++round) {
        const bool mixed = round % 4 == 3;
        const std::string& alphabet = alphabets[round % 4];
        const size_t length = 1 + rng() % 20;
        std::string data;
        for (size_t i = 0; i < length; ++i) data += alphabet[rng() % alphabet.size()];
        for (const char* error : {"L", "M", "Q"}) {
            const int secure = error[0] == 'L' ? 1 : error[0] == 'M' ? 2 : 3;
            std::vector<std::string> ours;
            try {
                ours = OurRows(data, Options(error, 0));
            } catch (const EncodeError&) {
                continue;
            }
            const auto theirs = ZintRowsOf("-b 97 --secure=" + std::to_string(secure), data);
            ASSERT_TRUE(theirs.has_value());
            if (mixed) EXPECT_LE(ours.size(), theirs->size()) << data << " error " << error;
            else EXPECT_EQ(ours, *theirs) << data << " error " << error;
            ++compared;
        }
    }
    EXPECT_GT(compared, 60);
}

}  // namespace
