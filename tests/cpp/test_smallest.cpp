#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "symbologies/matrix/datamatrix_minimal.h"
#include "symbologies/matrix/datamatrix_plans.h"
#include "symbologies/matrix/qr_segments.h"

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

}  // namespace
