#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "symbologies/matrix/micropdf417.h"
#include "symbologies/matrix/micropdf417_compaction.h"
#include "symbologies/matrix/micropdf417_sizes.h"
#include "symbologies/matrix/pdf417_error_correction.h"
#include "tests/cpp/zint_rows.h"

namespace {

// zint's rows for `bytes` (every byte escaped, so any value passes the shell), as 0/1 strings of
// `width` modules; empty when zint fails.
std::vector<std::string> ZintRows(const std::string& bytes, int columns, int width) {
    std::string command = "zint -b 84 --binary --esc --dump";
    if (columns != 0) command += " --cols=" + std::to_string(columns);
    command += " -d '";
    char escaped[5];
    for (const unsigned char c : bytes) {
        std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
        command += escaped;
    }
    command += "' 2>/dev/null";
    std::vector<std::string> rows;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return rows;
    std::string line;
    for (int ch; (ch = std::fgetc(pipe)) != EOF;) {
        if (ch != '\n') {
            line += char(ch);
            continue;
        }
        std::string bits;  // hex digits, the last one or two filled from the left
        for (const char h : line) {
            if (h == ' ') continue;
            const int v = std::stoi(std::string(1, h), nullptr, 16);
            for (int b = 3; b >= 0; --b) bits += char('0' + ((v >> b) & 1));
        }
        rows.push_back(bits.substr(0, size_t(width)));
        line.clear();
    }
    pclose(pipe);
    return rows;
}

// Text made of runs from character groups that pull the compaction different ways: upper and
// lower case, digits, mixed-only and punctuation-only characters, space and bytes outside text.
std::string RandomText(std::mt19937& rng, size_t length) {
    static const std::vector<std::string> kGroups = {
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz", "0123456789", "&#%+=^,.:-$/*\t\r",
        ";<>@[\\]_`~!\n\"|(){}'?",    " ",
        std::string("\x00\x01\x1B\x7F\x80\x9F\xC3\xE9\xFF", 9),
    };
    std::uniform_int_distribution<int> weight(0, 6);
    std::vector<int> weights;
    for (size_t g = 0; g < kGroups.size(); ++g) weights.push_back(weight(rng) * weight(rng));
    weights[2] += 1;  // never all zero
    std::discrete_distribution<size_t> group(weights.begin(), weights.end());
    std::uniform_int_distribution<size_t> run(1, 14);
    std::string text;
    while (text.size() < length) {
        const std::string& chars = kGroups[group(rng)];
        std::uniform_int_distribution<size_t> pick(0, chars.size() - 1);
        for (size_t n = run(rng); n > 0 && text.size() < length; --n) text += chars[pick(rng)];
    }
    return text;
}

// For every size, seeded texts whose codewords land in it (with its column count fixed, and with
// none given where the automatic choice can reach it): the modules equal zint's.
TEST(MicroPdf417, EverySizeMatchesZint) {
    constexpr int kTextsPerSize = 4;
    std::mt19937 rng(24728);
    for (const bool automatic : {false, true}) {
        for (int index = 0; index < kMicroPdf417Sizes; ++index) {
            const MicroPdf417Size& size = MicroPdf417SizeAt(index);
            const int columns = automatic ? 0 : size.columns;
            if (automatic && ChooseMicroPdf417Size(size.Capacity(), 0) != index) continue;
            int matched = 0;
            for (int attempt = 0; attempt < 20000 && matched < kTextsPerSize; ++attempt) {
                std::uniform_int_distribution<size_t> length(1, size_t(size.Capacity()) * 3);
                const std::string text = RandomText(rng, std::min<size_t>(length(rng), 366));
                const int data = int(CompactMicroPdf417(text).size());
                if (data > size.Capacity() || ChooseMicroPdf417Size(data, columns) != index) continue;
                EncodeOptions options;
                options.columns = columns;
                const EncodedSymbol symbol = EncodeMicroPdf417(text, options);
                ASSERT_EQ(ZintRows(text, columns, symbol.width), ModuleRows(symbol))
                    << "size " << index << " columns " << columns << " text bytes " << testing::PrintToString(text);
                ++matched;
            }
            EXPECT_EQ(matched, kTextsPerSize) << "size " << index << (automatic ? " (automatic)" : "");
        }
    }
}

// Symbol shape: 2-module rows, a 1-module quiet zone all round. Widths are the row address
// patterns (10 modules), 17 per data column and the stop bar; zint gives the same.
TEST(MicroPdf417, RowsAndQuietZone) {
    EncodeOptions options;
    const struct {
        int columns;
        int width;
        size_t rows;
    } kCases[] = {{1, 38, 11}, {2, 55, 8}, {3, 82, 6}, {4, 99, 4}};
    for (const auto& c : kCases) {
        options.columns = c.columns;
        const EncodedSymbol symbol = EncodeMicroPdf417("A", options);
        EXPECT_EQ(symbol.shape, SymbolShape::Matrix);
        EXPECT_EQ(symbol.width, c.width);
        ASSERT_EQ(symbol.rows.size(), c.rows);
        for (const SymbolRow& row : symbol.rows) EXPECT_EQ(row.height, 2.0);
        EXPECT_EQ(symbol.quiet_zone.left, 1.0);
        EXPECT_EQ(symbol.quiet_zone.top, 1.0);
        EXPECT_EQ(symbol.quiet_zone.right, 1.0);
        EXPECT_EQ(symbol.quiet_zone.bottom, 1.0);
        EXPECT_EQ(symbol.full_text, "A");
    }
}

// Generator coefficients of the sizes' error correction counts (lowest degree first), as the
// coefficient table of ISO/IEC 24728 Annex F lists them.
TEST(MicroPdf417, GeneratorCoefficients) {
    EXPECT_EQ(Gf929Generator(7), (std::vector<int>{76, 925, 537, 597, 784, 691, 437}));
    EXPECT_EQ(Gf929Generator(9), (std::vector<int>{567, 527, 622, 257, 289, 362, 501, 441, 205}));
    const std::vector<int> k50 = Gf929Generator(50);
    ASSERT_EQ(k50.size(), 50u);
    EXPECT_EQ((std::vector<int>(k50.begin(), k50.begin() + 4)), (std::vector<int>{923, 797, 576, 875}));
    EXPECT_EQ(k50.back(), 435);
}

TEST(MicroPdf417, Errors) {
    const struct {
        std::string text;
        int columns;
        EncodeErrorKind kind;
        long capacity;
    } kCases[] = {
        {"", 0, EncodeErrorKind::InvalidData, -1},
        {"A", 5, EncodeErrorKind::InvalidOption, -1},
        {"A", -1, EncodeErrorKind::InvalidOption, -1},
        {std::string(40, 'A'), 1, EncodeErrorKind::TooLong, 20},   // latch and 20 codewords: 21
        {std::string(38, 'A'), 1, EncodeErrorKind::TooLong, -2},   // latch and 19: fits
        {std::string(367, '1'), 0, EncodeErrorKind::TooLong, 126},  // 366 digits are the most
        {std::string(366, '1'), 0, EncodeErrorKind::TooLong, -2},
        {std::string(300, 'a'), 0, EncodeErrorKind::TooLong, 126},
    };
    for (const auto& c : kCases) {
        EncodeOptions options;
        options.columns = c.columns;
        if (c.capacity == -2) {
            EXPECT_NO_THROW(EncodeMicroPdf417(c.text, options)) << c.text;
            continue;
        }
        try {
            EncodeMicroPdf417(c.text, options);
            ADD_FAILURE() << "no error for " << c.text.size() << " bytes, columns " << c.columns;
        } catch (const EncodeError& e) {
            EXPECT_EQ(e.Kind(), c.kind) << e.what();
            EXPECT_EQ(e.Capacity(), c.capacity) << e.what();
        }
    }
}

}  // namespace
