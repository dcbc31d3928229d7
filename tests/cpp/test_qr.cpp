#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/classes/matrix_classes.h"
#include "core/ecc/galois_field.h"
#include "symbologies/matrix/qr.h"
#include "symbologies/matrix/qr_codewords.h"
#include "symbologies/matrix/qr_layout.h"
#include "symbologies/matrix/qr_mask.h"

namespace {

std::string BitText(const QrBitBuffer& bits) {
    std::string text;
    for (size_t i = 0; i < bits.Size(); ++i) text += bits.Bit(i) ? '1' : '0';
    return text;
}

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(no error)";
}

constexpr QrLevel kLevels[] = {QrLevel::L, QrLevel::M, QrLevel::Q, QrLevel::H};

// ---- Bit stream ----------------------------------------------------------------------------------

TEST(QrData, WorkedBitStreams) {
    struct Case {
        std::string data;
        QrMode mode;
        int version;
        std::string bits;
    };
    const Case cases[] = {
        {"01234567", QrMode::Numeric, 1, "0001" "0000001000" "0000001100" "0101011001" "1000011"},
        {"AC-42", QrMode::Alphanumeric, 1, "0010" "000000101" "00111001110" "11100111001" "000010"},
        {"1", QrMode::Numeric, 1, "0001" "0000000001" "0001"},
        {"99", QrMode::Numeric, 10, "0001" "000000000010" "1100011"},
        {"999", QrMode::Numeric, 27, "0001" "00000000000011" "1111100111"},
        {"$%*+-./: ", QrMode::Alphanumeric, 1,
         "0010" "000001001" "11010100111" "11100000011" "11101011111" "11110111011" "100100"},
        {"Z", QrMode::Alphanumeric, 40, "0010" "0000000000001" "100011"},
        {"\x01\xFF", QrMode::Byte, 1, "0100" "00000010" "00000001" "11111111"},
        {"a", QrMode::Byte, 10, "0100" "0000000000000001" "01100001"},
    };
    for (const Case& c : cases) EXPECT_EQ(BitText(QrSegmentBits(c.data, c.mode, c.version)), c.bits) << c.data;
}

TEST(QrData, ModeLetters) {
    EXPECT_EQ(QrModeFromLetter('N'), QrMode::Numeric);
    EXPECT_EQ(QrModeFromLetter('A'), QrMode::Alphanumeric);
    EXPECT_EQ(QrModeFromLetter('B'), QrMode::Byte);
    EXPECT_EQ(QrModeFromLetter('K'), QrMode::Byte);  // no Kanji mode: Shift-JIS bytes go in byte mode
}

TEST(QrData, InvalidCharactersAreRejected) {
    struct Case {
        std::string data;
        QrMode mode;
        std::string message;
    };
    const Case cases[] = {
        {"12A4", QrMode::Numeric, "Invalid character for NUMERIC mode: A"},
        {"12 4", QrMode::Numeric, "Invalid character for NUMERIC mode:  "},
        {"1.5", QrMode::Numeric, "Invalid character for NUMERIC mode: ."},
        {"ABc", QrMode::Alphanumeric, "Invalid character for ALPHANUMERIC mode: c"},
        {"A#", QrMode::Alphanumeric, "Invalid character for ALPHANUMERIC mode: #"},
        {"A\xC3\xA9", QrMode::Alphanumeric, "Invalid character for ALPHANUMERIC mode: \xC3\xA9"},
        {"1\x83\x41", QrMode::Numeric, "Invalid character for NUMERIC mode: \\x83"},
        {std::string("1\0", 2), QrMode::Numeric, "Invalid character for NUMERIC mode: \\x00"},
        {"1\xF0\x9F\x98\x80", QrMode::Numeric, "Invalid character for NUMERIC mode: \xF0\x9F\x98\x80"},
        {"1\xE0\x80\x80", QrMode::Numeric, "Invalid character for NUMERIC mode: \\xE0"},  // overlong form
        // The character is named even when the data is also too long.
        {std::string(8000, '1') + "x", QrMode::Numeric, "Invalid character for NUMERIC mode: x"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorOf([&] { EncodeQrData(c.data, c.mode, QrLevel::M, 0); }), c.message);
        EXPECT_EQ(ErrorOf([&] { QrSegmentBits(c.data, c.mode, 1); }), c.message);
    }
}

TEST(QrData, WorkedCodewords) {
    // 01234567 at 1-M: the data codewords with their pad codewords, then the error correction.
    const QrData data = EncodeQrData("01234567", QrMode::Numeric, QrLevel::M, 0);
    EXPECT_EQ(data.version, 1);
    const std::vector<uint8_t> expected_data{16, 32, 12, 86, 97, 128, 236, 17, 236, 17, 236, 17, 236, 17, 236, 17};
    EXPECT_EQ(data.codewords, expected_data);
    const std::vector<uint8_t> expected_ec{165, 36, 212, 193, 237, 54, 199, 135, 44, 85};
    EXPECT_EQ(QrErrorCorrection(data.codewords, 10), expected_ec);
    std::vector<uint8_t> all = expected_data;
    all.insert(all.end(), expected_ec.begin(), expected_ec.end());
    EXPECT_EQ(QrInterleavedCodewords(data.codewords, 1, QrLevel::M), all);
}

TEST(QrData, GS1) {
    // FNC1 after a variable-length field: GS in byte mode, '%' in alphanumeric mode with the data's
    // '%' doubled (worked by hand; zxing-cpp reads them as GS1).
    const struct {
        std::string element_data;
        QrMode mode;
        std::string segment;
    } cases[] = {
        {"010950110153000310AB%C\x1d" "21X", QrMode::Byte, "010950110153000310AB%C\x1d" "21X"},
        {"010950110153000310AB%C\x1d" "21X", QrMode::Alphanumeric, "010950110153000310AB%%C%21X"},
        {"010950110153000317251231", QrMode::Numeric, "010950110153000317251231"},
    };
    for (const auto& c : cases) EXPECT_EQ(QrGS1SegmentData(c.element_data, c.mode), c.segment) << c.element_data;
    // FNC1 in first position (0101) before the mode indicator: 0101 0100, count 3, "10A".
    const QrData data = EncodeQrData("10A", QrMode::Byte, QrLevel::M, 0, true);
    EXPECT_EQ(std::vector<uint8_t>(data.codewords.begin(), data.codewords.begin() + 5),
              (std::vector<uint8_t>{0x54, 0x03, 0x31, 0x30, 0x41}));
}

TEST(QrData, TerminatorAndPadding) {
    // 17 bytes at 1-L: 148 of 152 bits, then exactly the four terminator bits.
    const QrData full = EncodeQrData(std::string(17, 'a'), QrMode::Byte, QrLevel::L, 0);
    EXPECT_EQ(full.version, 1);
    ASSERT_EQ(full.codewords.size(), 19u);
    EXPECT_EQ(full.codewords[0], 0x41);   // mode 0100, count 0001 0001
    EXPECT_EQ(full.codewords[17], 0x16);  // the data run four bits behind the byte boundaries
    EXPECT_EQ(full.codewords[18], 0x10);  // last data bits 0001, terminator 0000
    // A short terminator: 41 digits at 1-L use 4 + 10 + 137 = 151 of 152 bits.
    const QrData digits = EncodeQrData(std::string(41, '7'), QrMode::Numeric, QrLevel::L, 0);
    EXPECT_EQ(digits.version, 1);
    EXPECT_EQ(digits.codewords.back(), 0x9A);  // 77 in 7 bits, one terminator bit
    // A larger requested version is kept and filled with 236 / 17.
    const QrData padded = EncodeQrData("A", QrMode::Byte, QrLevel::H, 3);
    EXPECT_EQ(padded.version, 3);
    ASSERT_EQ(padded.codewords.size(), 26u);
    EXPECT_EQ(padded.codewords[0], 0x40);
    EXPECT_EQ(padded.codewords[1], 0x14);
    EXPECT_EQ(padded.codewords[2], 0x10);
    for (size_t i = 3; i < padded.codewords.size(); ++i) EXPECT_EQ(padded.codewords[i], i % 2 ? 0xEC : 0x11) << i;
}

// Standard character capacities (numeric, alphanumeric, byte) per level at the versions around
// the count-field changes.
struct Capacity {
    int version;
    int chars[4][3];
};
const Capacity kCapacities[] = {
    {1, {{41, 25, 17}, {34, 20, 14}, {27, 16, 11}, {17, 10, 7}}},
    {9, {{552, 335, 230}, {432, 262, 180}, {312, 189, 130}, {235, 143, 98}}},
    {10, {{652, 395, 271}, {513, 311, 213}, {364, 221, 151}, {288, 174, 119}}},
    {26, {{3283, 1990, 1367}, {2544, 1542, 1059}, {1804, 1094, 751}, {1425, 864, 593}}},
    {27, {{3517, 2132, 1465}, {2701, 1637, 1125}, {1933, 1172, 805}, {1501, 910, 625}}},
    {40, {{7089, 4296, 2953}, {5596, 3391, 2331}, {3993, 2420, 1663}, {3057, 1852, 1273}}},
};

std::string Filler(QrMode mode, int length) { return std::string(size_t(length), mode == QrMode::Byte ? 'x' : '8'); }

TEST(QrData, VersionChoiceAtCapacityBoundaries) {
    const std::string too_long =
        "Data too long for QR Code. Data requires more capacity than Version 40 can provide. "
        "Reduce data length or use a lower error correction level.";
    for (const Capacity& cap : kCapacities)
        for (int level = 0; level < 4; ++level)
            for (QrMode mode : {QrMode::Numeric, QrMode::Alphanumeric, QrMode::Byte}) {
                const int n = cap.chars[level][int(mode)];
                const QrLevel l = kLevels[level];
                EXPECT_EQ(EncodeQrData(Filler(mode, n), mode, l, 0).version, cap.version) << n;
                if (cap.version < 40) {
                    EXPECT_EQ(EncodeQrData(Filler(mode, n + 1), mode, l, 0).version, cap.version + 1) << n + 1;
                } else {
                    EXPECT_EQ(ErrorOf([&] { EncodeQrData(Filler(mode, n + 1), mode, l, 0); }), too_long);
                }
            }
    // Too long only at the higher level.
    EXPECT_EQ(EncodeQrData(std::string(2000, 'x'), QrMode::Byte, QrLevel::L, 0).version, 33);
    EXPECT_EQ(ErrorOf([] { EncodeQrData(std::string(2000, 'x'), QrMode::Byte, QrLevel::H, 0); }), too_long);
}

TEST(QrData, RequestedVersion) {
    EXPECT_EQ(QrChooseVersion(100, QrMode::Byte, QrLevel::M, 0), 1);
    EXPECT_EQ(QrChooseVersion(100, QrMode::Byte, QrLevel::M, 5), 5);    // larger: kept
    EXPECT_EQ(QrChooseVersion(1000, QrMode::Byte, QrLevel::M, 2), 8);   // smaller: raised
    EXPECT_EQ(QrChooseVersion(100, QrMode::Byte, QrLevel::M, 41), 1);   // out of range: automatic
    EXPECT_EQ(QrChooseVersion(100, QrMode::Byte, QrLevel::M, -3), 1);
    EXPECT_EQ(QrChooseVersion(100, QrMode::Byte, QrLevel::M, 40), 40);
    // 1852 bits fit version 9 at L with the 8-bit count; one byte more needs version 10 and its
    // 16-bit count.
    EXPECT_EQ(QrChooseVersion(4 + 8 + 230 * 8, QrMode::Byte, QrLevel::L, 0), 9);
    EXPECT_EQ(QrChooseVersion(4 + 8 + 231 * 8, QrMode::Byte, QrLevel::L, 0), 10);
}

// ---- Blocks and Reed-Solomon ---------------------------------------------------------------------

TEST(QrCodewords, BlockStructure) {
    struct Case {
        int version;
        QrLevel level;
        std::vector<size_t> sizes;
        int ec;
    };
    const Case cases[] = {
        {1, QrLevel::H, {9}, 17},
        {5, QrLevel::Q, {15, 15, 16, 16}, 18},
        {7, QrLevel::H, {13, 13, 13, 13, 14}, 26},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> data(size_t(QrBlocks(c.version, c.level).DataCodewords()));
        for (size_t i = 0; i < data.size(); ++i) data[i] = uint8_t(i);
        const auto blocks = QrSplitBlocks(data, c.version, c.level);
        std::vector<size_t> sizes;
        for (const auto& b : blocks) sizes.push_back(b.size());
        EXPECT_EQ(sizes, c.sizes) << c.version;
        EXPECT_EQ(blocks.back().back(), data.back());
        EXPECT_EQ(QrBlocks(c.version, c.level).ec, c.ec);
    }
    const QrBlockLayout& h40 = QrBlocks(40, QrLevel::H);
    EXPECT_EQ(h40.short_blocks, 20);
    EXPECT_EQ(h40.short_data, 15);
    EXPECT_EQ(h40.long_blocks, 61);
    EXPECT_EQ(h40.ec, 30);
    // Every version and level: the same total, and data bits as published at the ends.
    for (int v = 1; v <= 40; ++v)
        for (QrLevel level : kLevels) EXPECT_EQ(QrBlocks(v, level).TotalCodewords(), QrTotalCodewords(v)) << v;
    EXPECT_EQ(QrTotalCodewords(1), 26);
    EXPECT_EQ(QrTotalCodewords(40), 3706);
    const int v1[] = {152, 128, 104, 72}, v40[] = {23648, 18672, 13328, 10208};
    for (int l = 0; l < 4; ++l) {
        EXPECT_EQ(QrDataBits(1, kLevels[l]), v1[l]);
        EXPECT_EQ(QrDataBits(40, kLevels[l]), v40[l]);
    }
}

TEST(QrCodewords, GeneratorAndInterleaving) {
    const std::vector<uint8_t> g7{1, 127, 122, 154, 164, 11, 68, 117};
    const std::vector<uint8_t> g10{1, 216, 194, 159, 111, 199, 94, 95, 113, 157, 193};
    EXPECT_EQ(QrField().Generator(7, 0), g7);
    EXPECT_EQ(QrField().Generator(10, 0), g10);
    // The error correction of a block is the remainder of its polynomial: a codeword's own
    // generator multiple has none.
    EXPECT_EQ(QrErrorCorrection(std::vector<uint8_t>(g7.begin(), g7.end()), 7), std::vector<uint8_t>(7, 0));

    // 5-Q: data column by column over the four blocks, the longer blocks' extra codewords, then
    // error correction column by column.
    std::vector<uint8_t> data(62);
    for (size_t i = 0; i < data.size(); ++i) data[i] = uint8_t(i);
    const std::vector<uint8_t> out = QrInterleavedCodewords(data, 5, QrLevel::Q);
    ASSERT_EQ(out.size(), 134u);
    const std::vector<uint8_t> head{0, 15, 30, 46, 1, 16, 31, 47};
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 8), head);
    EXPECT_EQ(out[60], 45);  // extra codeword of block 2
    EXPECT_EQ(out[61], 61);  // extra codeword of block 3
    const auto blocks = QrSplitBlocks(data, 5, QrLevel::Q);
    for (size_t b = 0; b < 4; ++b) {
        const std::vector<uint8_t> ec = QrErrorCorrection(blocks[b], 18);
        for (size_t j = 0; j < 18; ++j) EXPECT_EQ(out[62 + 4 * j + b], ec[j]) << b << " " << j;
    }
}

// ---- Function patterns, format and version information -------------------------------------------

int DataModules(const QrGrid& t) {
    int count = 0;
    for (uint8_t m : t.cells) count += m == kQrData;
    return count;
}

TEST(QrLayout, DataRegionHoldsEveryCodewordBit) {
    for (int v = 1; v <= 40; ++v) {
        const QrGrid t = QrFunctionTemplate(v);
        EXPECT_EQ(DataModules(t), 8 * QrTotalCodewords(v) + QrRemainderBits(v)) << v;
        EXPECT_EQ(QrPlacementOrder(t).size(), size_t(DataModules(t)));
    }
    EXPECT_EQ(DataModules(QrFunctionTemplate(1)), 208);
    EXPECT_EQ(QrRemainderBits(2), 7);
}

TEST(QrLayout, FunctionPatterns) {
    const QrGrid v1 = QrFunctionTemplate(1);
    EXPECT_EQ(v1.size, 21);
    EXPECT_EQ(v1.At(3, 3), kQrFinderDark);
    EXPECT_EQ(v1.At(1, 1), kQrFinderLight);
    EXPECT_EQ(v1.At(7, 7), kQrSeparator);
    EXPECT_EQ(v1.At(6, 8), kQrTimingDark);
    EXPECT_EQ(v1.At(9, 6), kQrTimingLight);
    EXPECT_EQ(v1.At(13, 8), kQrDarkModule);
    EXPECT_EQ(v1.At(8, 20), kQrFormatLight);
    EXPECT_EQ(v1.At(14, 8), kQrFormatLight);
    EXPECT_EQ(v1.At(13, 9), kQrData);

    const QrGrid v2 = QrFunctionTemplate(2);
    EXPECT_EQ(v2.At(18, 18), kQrAlignmentDark);
    EXPECT_EQ(v2.At(17, 18), kQrAlignmentLight);
    EXPECT_EQ(v2.At(16, 16), kQrAlignmentDark);

    // Version 7: version information in the top right, transposed in the bottom left.
    const QrGrid v7 = QrFunctionTemplate(7);
    for (int b = 0; b < 18; ++b) {
        const uint8_t expected = (0x07C94 >> b) & 1 ? kQrVersionDark : kQrVersionLight;
        EXPECT_EQ(v7.At(b / 3, 34 + b % 3), expected) << b;
        EXPECT_EQ(v7.At(34 + b % 3, b / 3), expected) << b;
    }
    // The alignment patterns on the timing lines, not on the finders.
    EXPECT_EQ(v7.At(6, 22), kQrAlignmentDark);
    EXPECT_EQ(v7.At(22, 6), kQrAlignmentDark);
    EXPECT_EQ(v7.At(38, 38), kQrAlignmentDark);
    EXPECT_EQ(v7.At(6, 38), kQrFinderDark);
}

TEST(QrLayout, PlacementOrder) {
    const std::vector<int> order = QrPlacementOrder(QrFunctionTemplate(1));
    const int n = 21;
    // Upwards from the bottom right corner, right column first.
    const std::vector<int> head{20 * n + 20, 20 * n + 19, 19 * n + 20, 19 * n + 19};
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 4), head);
    // The last pair, columns 1 and 0, runs downwards and ends above the bottom left finder.
    EXPECT_EQ(order.back(), 12 * n + 0);
}

// BCH codes of the format and version words, recomputed.
int Bch(int value, int generator, int degree) {
    int rem = value << degree;
    for (int bit = 31; bit >= degree; --bit)
        if (rem & (1 << bit)) rem ^= generator << (bit - degree);
    return (value << degree) | rem;
}

TEST(QrLayout, FormatAndVersionInformation) {
    EXPECT_EQ(QrFormatInfo(QrLevel::L, 0), 0b111011111000100);
    EXPECT_EQ(QrFormatInfo(QrLevel::M, 0), 0b101010000010010);
    EXPECT_EQ(QrFormatInfo(QrLevel::Q, 0), 0b011010101011111);
    EXPECT_EQ(QrFormatInfo(QrLevel::H, 0), 0b001011010001001);
    const int level_bits[] = {1, 0, 3, 2};
    for (int l = 0; l < 4; ++l)
        for (int mask = 0; mask < 8; ++mask)
            EXPECT_EQ(QrFormatInfo(kLevels[l], mask), Bch(level_bits[l] << 3 | mask, 0x537, 10) ^ 0x5412);
    for (int v = 7; v <= 40; ++v) EXPECT_EQ(QrVersionInfo(v), uint32_t(Bch(v, 0x1F25, 12))) << v;
    EXPECT_EQ(QrVersionInfo(7), 0x07C94u);
    EXPECT_EQ(QrVersionInfo(40), 0x28C69u);
}

TEST(QrSymbol, FormatInformationInBothCopies) {
    const QrSymbol s = EncodeQr("HELLO", QrMode::Byte, QrLevel::Q, 0);
    const int n = s.matrix.Columns();
    ASSERT_EQ(n, 21);
    const uint16_t format = QrFormatInfo(QrLevel::Q, s.mask);
    // Copy 1 reads along row 8 then up column 8; copy 2 up column 8 then along row 8.
    const int row1[] = {8, 8, 8, 8, 8, 8, 8, 8, 7, 5, 4, 3, 2, 1, 0}, col1[] = {0, 1, 2, 3, 4, 5, 7, 8, 8, 8, 8, 8, 8, 8, 8};
    for (int p = 0; p < 15; ++p) {
        const bool bit = (format >> (14 - p)) & 1;
        EXPECT_EQ(s.matrix.Get(col1[p], row1[p]), bit) << p;
        if (p <= 6) EXPECT_EQ(s.matrix.Get(8, n - 1 - p), bit) << p;
        else EXPECT_EQ(s.matrix.Get(n - 15 + p, 8), bit) << p;
    }
    EXPECT_TRUE(s.matrix.Get(8, n - 8));  // the dark module
}

// ---- Masks -----------------------------------------------------------------------------------------

TEST(QrMask, Conditions) {
    // (mask, row, column, inverted)
    const int cases[][4] = {{0, 0, 0, 1}, {0, 0, 1, 0}, {1, 1, 5, 0}, {1, 2, 5, 1}, {2, 7, 3, 1}, {2, 7, 4, 0},
                            {3, 1, 2, 1}, {3, 1, 1, 0}, {4, 2, 3, 1}, {4, 2, 0, 0}, {4, 0, 2, 1}, {5, 2, 3, 1},
                            {5, 1, 1, 0}, {6, 1, 1, 1}, {6, 1, 5, 0}, {7, 0, 0, 1}, {7, 1, 1, 0}, {7, 2, 1, 0}};
    for (const auto& c : cases) EXPECT_EQ(QrMaskCondition(c[0], c[1], c[2]), c[3] == 1) << c[0] << c[1] << c[2];
}

QrGrid GridFromRows(const std::vector<std::string>& rows) {
    QrGrid g(int(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows.size(); ++c) g.At(int(r), int(c)) = rows[r][c] == '#';
    return g;
}

TEST(QrMask, PenaltyOfConstructedMatrices) {
    struct Case {
        const char* what;
        std::vector<std::string> rows;
        int data_modules, penalty;
    };
    const Case cases[] = {
        // 7 x 7 all light: runs of 7 in 14 lines (5 each), 36 blocks, no dark modules (90).
        {"all light", std::vector<std::string>(7, "......."), 49, 14 * 5 + 36 * 3 + 90},
        // Checkerboard: no runs, no blocks, half dark.
        {"checkerboard",
         {"#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#"}, 49, 0 + 0 + 0},
        // A finder-like row touching both edges: 40; light rows below it (6 x 5), columns of 6 or 7
        // light modules (5 x 4 + 2 x 5), 30 light blocks, 5 dark modules of 49 (70).
        {"finder-like row",
         {"#.###.#", ".......", ".......", ".......", ".......", ".......", "......."},
         49,
         40 + 6 * 5 + (5 * 4 + 2 * 5) + 30 * 3 + 70},
        // The balance is measured against the data region, not the whole grid.
        {"balance against data region",
         {"#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#"}, 25, 0 + 90},
    };
    for (const Case& c : cases) EXPECT_EQ(QrPenalty(GridFromRows(c.rows), c.data_modules), c.penalty) << c.what;
}

// The penalty counted module by module, the plain way, to check the fast one against.
int ReferencePenalty(const QrGrid& g, int data_modules) {
    const int n = g.size;
    auto at = [&](int r, int c, bool transpose) { return (transpose ? g.At(c, r) : g.At(r, c)) & 1; };
    int score = 0;
    for (bool transpose : {false, true})
        for (int i = 0; i < n; ++i) {
            int run = 1;
            for (int k = 1; k <= n; ++k) {
                if (k < n && at(i, k, transpose) == at(i, k - 1, transpose)) {
                    ++run;
                    continue;
                }
                if (run >= 5) score += 3 + run - 5;
                run = 1;
            }
            for (int k = 0; k + 7 <= n; ++k) {
                const int pattern[] = {1, 0, 1, 1, 1, 0, 1};
                bool match = true;
                for (int q = 0; q < 7; ++q) match &= at(i, k + q, transpose) == pattern[q];
                score += match ? 40 : 0;
            }
        }
    for (int r = 0; r + 1 < n; ++r)
        for (int c = 0; c + 1 < n; ++c) {
            const int v = g.At(r, c) & 1;
            if ((g.At(r, c + 1) & 1) == v && (g.At(r + 1, c) & 1) == v && (g.At(r + 1, c + 1) & 1) == v) score += 3;
        }
    int dark = 0;
    for (uint8_t m : g.cells) dark += m & 1;
    const int balance[] = {90, 80, 70, 60, 50, 40, 30, 20, 10, 0, 0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 90};
    return score + balance[dark * 20 / data_modules];
}

TEST(QrMask, EightPenaltiesMatchModuleByModuleCounting) {
    std::mt19937 rng(7);
    for (int version : {1, 2, 7, 11, 12, 21, 27, 28, 40}) {  // 11|12 and 27|28: a word more a line
        const QrGrid t = QrFunctionTemplate(version);
        std::vector<uint8_t> codewords(size_t(QrTotalCodewords(version)));
        for (uint8_t& c : codewords) c = uint8_t(rng());
        const QrGrid data = QrPlaceData(t, codewords);
        const int data_modules = DataModules(t);
        const std::array<int, 8> penalties = QrMaskPenalties(t, data, data_modules);
        for (int mask = 0; mask < 8; ++mask) {
            // The masked data alone: function modules light.
            QrGrid masked(t.size);
            for (int r = 0; r < t.size; ++r)
                for (int c = 0; c < t.size; ++c)
                    if (t.At(r, c) == kQrData) masked.At(r, c) = uint8_t(data.At(r, c) ^ QrMaskCondition(mask, r, c));
            EXPECT_EQ(penalties[size_t(mask)], ReferencePenalty(masked, data_modules)) << version << " " << mask;
            EXPECT_EQ(QrPenalty(masked, data_modules), penalties[size_t(mask)]);
        }
    }
}

TEST(QrSymbol, ChosenMaskHasTheLowestPenaltyFirstAmongEquals) {
    for (const char* text : {"01234567", "HELLO WORLD", "https://example.com/qr?id=12345", ""}) {
        for (QrLevel level : kLevels) {
            const std::string data = *text ? text : std::string(300, '\0');
            const QrData d = EncodeQrData(data, QrMode::Byte, level, 0);
            const std::vector<uint8_t> codewords = QrInterleavedCodewords(d.codewords, d.version, level);
            const QrGrid t = QrFunctionTemplate(d.version);
            const std::array<int, 8> penalties =
                QrMaskPenalties(t, QrPlaceData(t, codewords), 8 * QrTotalCodewords(d.version) + QrRemainderBits(d.version));
            const QrSymbol s = QrBuildSymbol(codewords, d.version, level);
            for (int m = 0; m < 8; ++m) {
                if (m < s.mask) EXPECT_GT(penalties[size_t(m)], penalties[size_t(s.mask)]);
                else EXPECT_GE(penalties[size_t(m)], penalties[size_t(s.mask)]);
            }
        }
    }
}

TEST(QrSymbol, MasksChosenForKnownInputs) {
    // Pins the mask choice of the scoring above, which is not the standard's.
    struct Case {
        std::string data;
        QrMode mode;
        QrLevel level;
        int version, mask;
    };
    const Case cases[] = {
        {"01234567", QrMode::Numeric, QrLevel::M, 1, 3},
        {"HELLO WORLD", QrMode::Alphanumeric, QrLevel::Q, 1, 3},
        {"https://example.com/", QrMode::Byte, QrLevel::L, 2, 2},
        {"Version 7 symbol", QrMode::Byte, QrLevel::H, 7, 6},
        {"3141592653589793238462643383279502884197", QrMode::Numeric, QrLevel::H, 10, 2},
    };
    for (const Case& c : cases) {
        const QrSymbol s = EncodeQr(c.data, c.mode, c.level, c.version);
        EXPECT_EQ(s.version, c.version);
        EXPECT_EQ(s.mask, c.mask) << c.data;
    }
}

// ---- The class -------------------------------------------------------------------------------------

TEST(QrClass, Settings) {
    QR qr("png");
    EXPECT_EQ(qr.ErrorCorrectionLevel(), 1);
    EXPECT_EQ(qr.Version(), 0);
    EXPECT_EQ(qr.EncodeMode(), 'B');
    qr.SetVersion(40);
    EXPECT_EQ(qr.Version(), 40);
    qr.SetVersion(41);
    EXPECT_EQ(qr.Version(), 0);
    qr.SetVersion(7);
    qr.SetVersion(-1);
    EXPECT_EQ(qr.Version(), 0);
    const std::pair<const char*, char> modes[] = {{"N", 'N'}, {"a", 'A'}, {"k", 'K'}, {"B", 'B'}, {"X", 'B'}, {"NN", 'B'}, {"", 'B'}};
    for (const auto& m : modes) {
        qr.SetEncodeMode("N");
        qr.SetEncodeMode(m.first);
        EXPECT_EQ(qr.EncodeMode(), m.second) << m.first;
    }
    EXPECT_EQ(QrLevelFromSetting(0), QrLevel::L);
    EXPECT_EQ(QrLevelFromSetting(2), QrLevel::Q);
    EXPECT_EQ(QrLevelFromSetting(3), QrLevel::H);
    EXPECT_EQ(QrLevelFromSetting(7), QrLevel::M);
    EXPECT_EQ(QrLevelFromSetting(-1), QrLevel::M);
}

TEST(QrClass, ErrorsLeaveTheDraw) {
    QR qr("svg");
    qr.SetEncodeMode("N");
    EXPECT_THROW(qr.DrawSquare("12a", 0, 0, 100), std::runtime_error);
    QR unusable("bmp");  // no canvas can be made, so nothing is encoded
    unusable.SetEncodeMode("N");
    EXPECT_FALSE(unusable.DrawSquare("12a", 0, 0, 100));
    QR empty("svg");
    EXPECT_FALSE(empty.DrawSquare("", 0, 0, 100));
}

}  // namespace
