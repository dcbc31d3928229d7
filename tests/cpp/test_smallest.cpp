#include <gtest/gtest.h>

#include <random>

#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "symbologies/matrix/datamatrix.h"
#include "symbologies/matrix/datamatrix_minimal.h"
#include "symbologies/matrix/datamatrix_plans.h"
#include "symbologies/matrix/pdf417_compaction.h"
#include "symbologies/matrix/pdf417_minimal.h"
#include "symbologies/matrix/qr.h"
#include "symbologies/matrix/qr_mask.h"
#include "symbologies/matrix/qr_segments.h"
#include "zint_dump.h"

namespace {

std::string BitText(const QrBitBuffer& bits) {
    std::string text;
    for (size_t i = 0; i < bits.Size(); ++i) text += bits.Bit(i) ? '1' : '0';
    return text;
}

EncodeErrorKind ErrorKindOf(void (*f)()) {
    try {
        f();
    } catch (const EncodeError& e) {
        return e.Kind();
    }
    ADD_FAILURE() << "no EncodeError";
    return EncodeErrorKind::InvalidData;
}

// ---- Data Matrix ------------------------------------------------------------------------------

TEST(DataMatrixMinimal, SmallestSquareSize) {
    struct Case {
        std::string data;
        bool gs1;
        std::string size;
    };
    // zint 2.15 (-b 71 --square) picks the same sizes.
    const Case cases[] = {
        {std::string(50, 'A'), false, "24x24"},  // C40; ASCII alone needs 32x32
        {"Hello World", false, "16x16"},
        {"abcdefghijklmnop", false, "16x16"},
        {"ABC>*123456789012", false, "16x16"},
        {"@@@@@@@@@@@@@@@@", false, "18x18"},  // EDIFACT
        {"010950110153000310ABCDEFGH\x1d" "21ABCDEFGH", true, "22x22"},
        {"10ABCDEFG\x1d" "21XYZ", true, "18x18"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DataMatrixSizeName(EncodeDataMatrixMinimal(c.data, c.gs1).size_index), c.size) << c.data;
}

TEST(DataMatrixMinimal, SmallestAreaOfShape) {
    struct Case {
        std::string data;
        bool gs1;
        DataMatrixShape shape;
        std::string size;
    };
    const std::string digits28 = "1234567890123456789012345678";
    const Case cases[] = {
        // zint 2.15 (-b 71) picks the same sizes, with --square the square ones.
        {digits28, false, DataMatrixShape::kAny, "12x26"},  // 14 codewords: 312 modules against 18x18's 324
        {digits28, false, DataMatrixShape::kSquare, "18x18"},
        {"010950110153000317251231", true, DataMatrixShape::kAny, "12x26"},
        {std::string(96, '7'), false, DataMatrixShape::kAny, "16x48"},
        // C40 triplets take 15 codewords; with one left the reader is back in ASCII for the last A, so
        // 12x26's 16 hold it, though the data alone counts 17 (zint also 12x26).
        {std::string(22, 'A'), false, DataMatrixShape::kAny, "12x26"},
        // 5 codewords: 8x18 has 12x12's area; zint also takes 12x12.
        {"1234567890", false, DataMatrixShape::kAny, "12x12"},
        // 10 codewords: 8x32 has 16x16's area; zint takes 8x32, the square one is chosen here.
        {"12345678901234567890", false, DataMatrixShape::kAny, "16x16"},
        // Worked by hand: 5 codewords fill 8x18, the smallest rectangle.
        {"1234567890", false, DataMatrixShape::kRectangle, "8x18"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DataMatrixSizeName(EncodeDataMatrixMinimal(c.data, c.gs1, kDataMatrixAutoSize, c.shape).size_index),
                  c.size)
            << c.data;
}

TEST(DataMatrixMinimal, Codewords) {
    struct Case {
        std::string data;
        bool gs1;
        std::vector<uint8_t> codewords;
    };
    const Case cases[] = {
        // Worked by hand: C40 latch, three triplets (14, 22, 26) = 23307, the reader returns to ASCII
        // by itself with one codeword left, then the pad.
        {"AIMAIMAIM", false, {230, 91, 11, 91, 11, 91, 11, 129}},
        // Worked by hand: FNC1 first, digit pair 10, C40 latch, ABC, DEF, (Shift 2, 27 = FNC1, 2),
        // (1, X, Y), and with one codeword left the reader is back in ASCII for Z.
        {"10ABCDEF\x1d" "21XYZ", true, {232, 140, 230, 89, 233, 109, 36, 10, 127, 37, 47, 91}},
        // Worked by hand: Macro 05 (236) stands for "[)>" RS "05" GS and RS EOT; the digit pairs
        // 01 23 45 67 are 130 + their value.
        {"[)>\x1e" "05\x1d" "01234567\x1e\x04", false, {236, 131, 153, 175, 197}},
    };
    for (const Case& c : cases) EXPECT_EQ(EncodeDataMatrixMinimal(c.data, c.gs1).codewords, c.codewords) << c.data;
}

TEST(DataMatrixMinimal, Base256RunsStopAtFNC1) {
    // Worked by hand: one run over both halves takes 2 + 21 codewords; FNC1 exists in ASCII only, so
    // GS1 data needs two runs (2 + 10 each) around its ASCII codeword.
    const std::string data = std::string(10, '\xE9') + "\x1d" + std::string(10, '\xE9');
    EXPECT_EQ(datamatrix::PlanSize(datamatrix::PlanMinimal(data, datamatrix::kUnlimited, false), data), 23);
    EXPECT_EQ(datamatrix::PlanSize(datamatrix::PlanMinimal(data, datamatrix::kUnlimited, true), data), 25);
}

TEST(DataMatrixMinimal, Failures) {
    EXPECT_EQ(ErrorKindOf([] { EncodeDataMatrixMinimal("", false); }), EncodeErrorKind::InvalidData);
    EXPECT_EQ(ErrorKindOf([] { EncodeDataMatrixMinimal(std::string(3200, '1'), false); }), EncodeErrorKind::TooLong);
    // 12 codewords of C40 and its latch do not fit the 10x10 size.
    EXPECT_EQ(ErrorKindOf([] { EncodeDataMatrixMinimal(std::string(12, 'A'), false, DataMatrixSizeIndex("10x10")); }),
              EncodeErrorKind::TooLong);
}

TEST(DataMatrixMinimal, MacroMessagesAsZint) {
    struct Case {
        std::string data;
        std::string zint;  // rows of zint --dump joined by '/'
    };
    // zint 2.15 -b 71 --square --dump gives the same modules: a Macro codeword for "[)>" RS "05"/"06"
    // GS ... RS EOT; without the trailer, or with another format number, the message is plain data.
    const Case cases[] = {
        {"[)>\x1e" "06\x1d" "ABC\x1e\x04", "AA A/AC 7/8A 4/A0 5/E3 4/DC 3/B3 0/98 5/84 E/A9 5/86 2/FF F"},
        {"[)>\x1e" "06\x1d" "12345678901234567890\x1dP1234\x1e\x04",
         "AA AA 8/D3 BA 4/9D 2A 0/E4 11 C/F0 E3 0/DF 85 4/A3 2F 8/BC 69 4/C9 88 8/C2 3E 4/F0 FB 8/AE 83 4/88 BF 0/9B 87 4/A1 BE 0/D2 F4 C/B2 A6 0/FF FF C"},
        {"[)>\x1e" "06\x1d" "ABC", "AA AA/9D 83/DB BE/A3 3D/C0 A0/9E C3/F7 F2/93 85/C2 94/A6 51/8D 40/CC CB/9B 58/E1 35/A7 22/FF FF"},
        {"[)>\x1e" "07\x1d" "ABC\x1e\x04", "AA AA/9D 83/DB E6/A3 21/C2 18/98 73/F0 3A/85 0D/CE 98/BD F9/8F 98/CE 5F/A3 92/D1 3D/87 3A/FF FF"},
    };
    for (const Case& c : cases) {
        EncodeOptions options;
        options.shape = "square";
        std::string rows;
        for (const SymbolRow& row : EncodeDataMatrixSymbol(c.data, options).rows)
            rows += (rows.empty() ? "" : "/") + ZintDump(row.modules);
        EXPECT_EQ(rows, c.zint) << c.data;
    }
}

// ---- PDF417 -----------------------------------------------------------------------------------

TEST(Pdf417Minimal, Codewords) {
    struct Case {
        std::string data;
        std::vector<int> codewords;  // the length descriptor first
    };
    // Worked by hand. A B, 27 (latch to lower) 27 (shift to alpha) C, a b c: 8 values, as short as
    // A B C 27 a b c and a pad. Ten digits: 902 and 11234567890 in base 900 (15 369 753 190), one
    // codeword fewer than a latch 28 and ten mixed values in text.
    const Case cases[] = {
        {"ABCabc", {5, 0 * 30 + 1, 27 * 30 + 27, 2 * 30 + 0, 1 * 30 + 2}},
        {"1234567890", {6, kPdf417NumericLatch, 15, 369, 753, 190}},
    };
    for (const Case& c : cases) EXPECT_EQ(CompactPdf417Minimal(c.data), c.codewords) << c.data;
}

TEST(Pdf417Minimal, NeverMoreCodewordsThanTheClassCompaction) {
    // Runs of digits, capitals, small letters, punctuation and bytes beyond text; the class's
    // segmentation came out longer on about a quarter of these.
    std::mt19937 rng(417);
    const std::string alphabets[] = {"0123456789", "ABCDEFGHIJ ", "abcdefghij ", "!#$%&;<>@[]", "\x80\xe9\xff\x01"};
    int shorter = 0;
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (unsigned runs = 1 + rng() % 6; runs > 0; --runs) {
            const std::string& alphabet = alphabets[rng() % 5];
            for (unsigned k = 1 + rng() % 15; k > 0; --k) text += alphabet[rng() % alphabet.size()];
        }
        const size_t minimal = CompactPdf417Minimal(text).size(), classes = CompactPdf417(text).size();
        ASSERT_LE(minimal, classes) << text;
        shorter += minimal < classes;
    }
    EXPECT_GT(shorter, 200);
}

// ---- QR Code ----------------------------------------------------------------------------------

TEST(QrMixed, Segments) {
    struct Case {
        std::string data;
        QrLevel level;
        bool gs1;
        std::vector<QrSegment> segments;
        int version;
    };
    // Worked by hand: every other split of these takes more bits.
    const Case cases[] = {
        {"0123456789", QrLevel::M, false, {{QrMode::Numeric, "0123456789"}}, 1},
        // byte abc 36 bits, numeric 13 digits 58 bits; all bytes would take 140
        {"abc0123456789012", QrLevel::M, false, {{QrMode::Byte, "abc"}, {QrMode::Numeric, "0123456789012"}}, 1},
        // 41 digits fill version 1 at L; one more needs version 2
        {std::string(41, '7'), QrLevel::L, false, {{QrMode::Numeric, std::string(41, '7')}}, 1},
        {std::string(42, '7'), QrLevel::L, false, {{QrMode::Numeric, std::string(42, '7')}}, 2},
        // numeric 18 digits 74 bits, alphanumeric AB12 35 bits, FNC1 4
        {"010950110153000310AB12", QrLevel::M, true,
         {{QrMode::Numeric, "010950110153000310"}, {QrMode::Alphanumeric, "AB12"}}, 1},
        // FNC1 after AB is '%' in alphanumeric: 10AB% 41 bits, then ten digits 48 bits
        {"10AB\x1d" "2112345678", QrLevel::M, true,
         {{QrMode::Alphanumeric, "10AB%"}, {QrMode::Numeric, "2112345678"}}, 1},
        // a '%' of the data is doubled: six alphanumeric characters 46 bits, numeric 10 and A%%B 56
        {"10A%B", QrLevel::M, true, {{QrMode::Alphanumeric, "10A%%B"}}, 1},
    };
    for (const Case& c : cases) {
        QrMixedOptions options;
        options.gs1 = c.gs1;
        const QrSegmentation split = QrSplitSegments(c.data, c.level, options);
        EXPECT_EQ(split.segments, c.segments) << c.data;
        EXPECT_EQ(split.version, c.version) << c.data;
    }
}

TEST(QrMixed, Bits) {
    QrMixedOptions kanji;
    kanji.kanji = true;
    // ISO/IEC 18004 Kanji example: 0x935F -> 0x0D9F, 0xE4AA -> 0x1AAA.
    EXPECT_EQ(BitText(QrSplitSegments("\x93\x5F\xE4\xAA", QrLevel::M, kanji).bits),
              "1000" "00000010" "0110110011111" "1101010101010");
    struct EciCase {
        int eci;
        std::string prefix;
    };
    // Worked by hand: the designator in one, two or three bytes, before one byte segment.
    const EciCase eci_cases[] = {
        {26, "0111" "00011010"},
        {200, "0111" "1000000011001000"},
        {20000, "0111" "110000000100111000100000"},
    };
    for (const EciCase& c : eci_cases) {
        QrMixedOptions eci;
        eci.eci = c.eci;
        EXPECT_EQ(BitText(QrSplitSegments("a", QrLevel::M, eci).bits), c.prefix + "0100" "00000001" "01100001");
    }
    // A requested version of the middle band: its count fields are longer (12 bits for numeric).
    QrMixedOptions version10;
    version10.requested_version = 10;
    const QrSegmentation at10 = QrSplitSegments("012", QrLevel::M, version10);
    EXPECT_EQ(at10.version, 10);
    EXPECT_EQ(BitText(at10.bits), "0001" "000000000011" "0000001100");
    // Without the option the same bytes are a byte segment.
    EXPECT_EQ(QrSplitSegments("\x93\x5F\xE4\xAA", QrLevel::M, {}).segments,
              (std::vector<QrSegment>{{QrMode::Byte, "\x93\x5F\xE4\xAA"}}));
}

TEST(QrMixed, Failures) {
    EXPECT_EQ(ErrorKindOf([] { QrSplitSegments("", QrLevel::M, {}); }), EncodeErrorKind::InvalidData);
    EXPECT_EQ(ErrorKindOf([] { QrSplitSegments(std::string(7090, '1'), QrLevel::L, {}); }), EncodeErrorKind::TooLong);
    EXPECT_EQ(ErrorKindOf([] {
                  QrMixedOptions options;
                  options.eci = 1000000;
                  QrSplitSegments("a", QrLevel::M, options);
              }),
              EncodeErrorKind::InvalidOption);
}

TEST(QrMask, StandardPenaltyWorkedByHand) {
    // All light, 21 x 21: N1 42 runs of 21 (3 + 16 each) 798, N2 400 blocks 1200, N3 0, N4 the
    // dark share 0 % is ten steps of 5 % off 50 %: 100.
    QrGrid light(21);
    EXPECT_EQ(QrStandardPenalty(light), 798 + 1200 + 100);
    // A checkerboard has no run, block or finder-like window, and 221 of 441 dark is 50.1 %: 0.
    QrGrid checkerboard(21);
    for (int r = 0; r < 21; ++r)
        for (int c = 0; c < 21; ++c) checkerboard.At(r, c) = uint8_t((r + c + 1) % 2);
    EXPECT_EQ(QrStandardPenalty(checkerboard), 0);
}

TEST(QrMask, MakeChoosesTheStandardsMaskAsZintDoes) {
    struct Case {
        std::string data;
        std::string level;
        std::string zint;  // rows of zint --dump joined by '/'
    };
    // zint 2.15 -b 58 --secure=1..4 --dump gives the same modules: the same codewords and the mask
    // ISO/IEC 18004 7.8.3 scores lowest over the whole symbol, format information included (zint's
    // mask matched this rule on 300 seeded symbols of versions 1 to 13 as well).
    const Case cases[] = {
        {"01234567", "M", "FE 5B F8/82 7A 08/BA 82 E8/BA C2 E8/BA BA E8/82 8A 08/FE AB F8/00 98 00/BE 4B E0/15 A9 60/23 54 F8/08 41 E0/1F 94 80/00 BE 60/FE 6B 00/82 BE 28/BA 89 60/BA C9 00/BA B4 A0/82 01 B0/FE F4 A0"},
        {"HELLO WORLD", "Q", "FE C3 F8/82 92 08/BA 9A E8/BA 82 E8/BA A2 E8/82 22 08/FE AB F8/00 80 00/6B 0A F8/40 F0 88/37 62 C0/6D 35 70/8A BB A8/00 D2 28/FE A1 60/82 5B 40/BA A3 F8/BA 55 10/BA 97 48/82 BC 58/FE 17 08"},
        {"Quor", "M", "FE AB F8/82 12 08/BA 52 E8/BA 9A E8/BA BA E8/82 8A 08/FE AB F8/00 C0 00/8B EF C8/D8 6E 60/C7 AC 10/54 79 10/A3 13 98/00 99 48/FE D3 B0/82 26 80/BA CE 48/BA 6E 38/BA 0C 60/82 19 40/FE D3 A8"},
        {"A1B2C3D4E5", "L", "FE 5B F8/82 D2 08/BA CA E8/BA 52 E8/BA 8A E8/82 9A 08/FE AB F8/00 F8 00/D3 63 B0/29 63 48/D2 0C 58/D5 70 F8/3B EA 10/00 D0 50/FE 85 C0/82 3D E0/BA 32 A8/BA F1 D8/BA 29 C8/82 87 28/FE B8 A0"},
        {"0", "H", "FE 43 F8/82 7A 08/BA 1A E8/BA 62 E8/BA AA E8/82 6A 08/FE AB F8/00 B8 00/33 C6 80/A5 CA 40/5A 5A 68/81 AB F0/AB E7 20/00 FA 48/FE EB 40/82 67 A0/BA 1D 88/BA EF F0/BA B5 00/82 6D 38/FE 7A 90"},
        {"Hello, world!", "M", "FE 0B F8/82 52 08/BA BA E8/BA 82 E8/BA CA E8/82 F2 08/FE AB F8/00 A0 00/BE 73 E0/19 8C E8/12 EE 70/65 3D 60/DE 8B 08/00 87 C0/FE 6F 30/82 AD 70/BA DE 98/BA A1 C0/BA FB 20/82 2C E0/FE D2 90"},
        {"https://example.com", "L", "FE 9A 3F 8/82 60 A0 8/BA 2E AE 8/BA 0C AE 8/BA 56 AE 8/82 2A A0 8/FE AA BF 8/00 B5 80 0/DA 74 A0 8/89 CF DF 0/96 35 DC 8/68 7C 77 8/E7 DD B0 8/A0 07 89 0/D6 1D AF 8/B9 10 76 8/AB 22 FB 0/00 BE 8B 0/FE 10 A8 8/82 6B 89 0/BA CF F8 8/BA A2 E1 8/BA 4B 4F 8/82 E3 1B 8/FE A6 A4 8"},
    };
    for (const Case& c : cases) {
        EncodeOptions options;
        options.error = c.level;
        std::string rows;
        for (const SymbolRow& row : EncodeQrSymbol(c.data, options).rows) rows += (rows.empty() ? "" : "/") + ZintDump(row.modules);
        EXPECT_EQ(rows, c.zint) << c.data;
    }
}

}  // namespace
