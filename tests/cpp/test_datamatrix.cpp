#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ecc/galois_field.h"
#include "symbologies/matrix/datamatrix_encodation.h"
#include "symbologies/matrix/datamatrix_placement.h"
#include "symbologies/matrix/datamatrix_plans.h"
#include "symbologies/matrix/datamatrix_symbol.h"

namespace {

using Codewords = std::vector<uint8_t>;

std::string EncodeError(const std::string& bytes, DataMatrixScheme scheme, int size_index) {
    try {
        EncodeDataMatrixData(bytes, scheme, size_index);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(no error)";
}

// Codewords of `bytes` in the symbol the encoder chooses, pads included.
Codewords Encoded(const std::string& bytes, DataMatrixScheme scheme = DataMatrixScheme::kAscii,
                  int size_index = kDataMatrixAutoSize) {
    return EncodeDataMatrixData(bytes, scheme, size_index).codewords;
}

// c(alpha^i) for i = 1..E must vanish for a codeword polynomial c, highest coefficient first.
bool IsCodeword(const Codewords& block, int ec) {
    const GaloisField256& field = DataMatrixField();
    for (int i = 1; i <= ec; ++i) {
        uint8_t sum = 0;
        for (uint8_t c : block) sum = uint8_t(field.Multiply(sum, field.Exp(i)) ^ c);
        if (sum != 0) return false;
    }
    return true;
}

TEST(DataMatrixSizes, TableIsConsistent) {
    for (int s = 0; s < kDataMatrixSizeCount; ++s) {
        const DataMatrixSize& z = DataMatrixSizeAt(s);
        EXPECT_EQ(z.rows, z.regions_v * (z.region_rows + 2)) << s;
        EXPECT_EQ(z.columns, z.regions_h * (z.region_columns + 2)) << s;
        EXPECT_EQ(z.MappingRows() * z.MappingColumns() / 8, z.TotalCodewords()) << s;
        EXPECT_EQ(z.max_errors, z.ec_per_block / 2) << s;
        EXPECT_EQ(DataMatrixSizeIndex(DataMatrixSizeName(s)), s);
        EXPECT_EQ(s < kDataMatrixSquareSizeCount, z.rows == z.columns) << s;
    }
    EXPECT_EQ(DataMatrixSizeName(0), "10x10");
    EXPECT_EQ(DataMatrixSizeName(23), "144x144");
    EXPECT_EQ(DataMatrixSizeName(24), "8x18");
    EXPECT_EQ(DataMatrixSizeName(29), "16x48");
    for (const char* name : {"AUTO", "10X10", "18x8", " 10x10", ""})
        EXPECT_EQ(DataMatrixSizeIndex(name), kDataMatrixAutoSize) << name;
}

TEST(DataMatrixAscii, Codewords) {
    struct Case {
        std::string bytes;
        Codewords codewords;
    };
    const Case cases[] = {
        {"A", {66}},
        {"123456", {142, 164, 186}},
        {"1234567", {142, 164, 186, 56}},
        {"12345", {142, 164, 54}},
        {"1A2", {50, 66, 51}},
        {"\xB0" "5", {235, 49, 54}},  // the shifted '0' is no digit to pair with
        {"\xC3\xA9", {235, 68, 235, 42}},
        {std::string("\0\x7F", 2), {1, 128}},
        {"\xFF", {235, 128}},
    };
    for (const Case& c : cases) EXPECT_EQ(EncodeDataMatrixAscii(c.bytes), c.codewords) << c.bytes;
}

TEST(DataMatrixAscii, PadsAndSizeChoice) {
    Codewords pads;
    AppendDataMatrixPads(pads, 5);
    EXPECT_EQ(pads, (Codewords{129, 175, 70, 220, 115}));

    struct Case {
        std::string bytes;
        int size_index;
        Codewords codewords;
    };
    const Case cases[] = {
        {"A", 0, {66, 129, 70}},
        {"123456", 0, {142, 164, 186}},
        {"1234567", 1, {142, 164, 186, 56, 129}},
        {"A", 24, {66, 129, 70, 220, 115}},  // fixed 8x18
    };
    for (const Case& c : cases) {
        const int requested = c.size_index == 24 ? 24 : kDataMatrixAutoSize;
        const DataMatrixData data = EncodeDataMatrixData(c.bytes, DataMatrixScheme::kAscii, requested);
        EXPECT_EQ(data.size_index, c.size_index) << c.bytes;
        EXPECT_EQ(data.codewords, c.codewords) << c.bytes;
    }
    // Each square size holds exactly its capacity in digit pairs.
    for (int s = 0; s < kDataMatrixSquareSizeCount; ++s) {
        const int capacity = DataMatrixSizeAt(s).data_codewords;
        EXPECT_EQ(EncodeDataMatrixData(std::string(2 * capacity, '7'), DataMatrixScheme::kAscii, -2).size_index, s);
        if (s + 1 < kDataMatrixSquareSizeCount) {
            EXPECT_EQ(EncodeDataMatrixData(std::string(2 * capacity + 1, '7'), DataMatrixScheme::kAscii, -2).size_index,
                      s + 1);
        }
    }
}

TEST(DataMatrixAscii, Failures) {
    const std::string cannot = "Failed to encode data. Data may be empty or contain invalid characters.";
    EXPECT_EQ(EncodeError("", DataMatrixScheme::kAscii, kDataMatrixAutoSize), cannot);
    EXPECT_EQ(EncodeError("", DataMatrixScheme::kAuto, 5), cannot);
    EXPECT_EQ(EncodeError(std::string(3116, '1'), DataMatrixScheme::kAscii, kDataMatrixAutoSize), "(no error)");
    EXPECT_EQ(EncodeError(std::string(3117, '1'), DataMatrixScheme::kAscii, kDataMatrixAutoSize), cannot);
    EXPECT_EQ(EncodeError(std::string(1559, 'a'), DataMatrixScheme::kAscii, kDataMatrixAutoSize), cannot);
    EXPECT_EQ(EncodeError("123456789012", DataMatrixScheme::kAscii, 24),
              "Data too long for specified symbol size. Data requires 6 codewords, but symbol only supports 5 "
              "codewords. Use 'AUTO' or reduce data length.");
    EXPECT_EQ(EncodeError(std::string(100000, '\xE9'), DataMatrixScheme::kAscii, 23),
              "Data too long for specified symbol size. Data requires 200000 codewords, but symbol only supports "
              "1558 codewords. Use 'AUTO' or reduce data length.");
    // Long input in every scheme fails with the same messages instead of taking long.
    for (int scheme = -1; scheme <= 5; ++scheme) {
        EXPECT_EQ(EncodeError(std::string(20000, 'x'), DataMatrixScheme(scheme), kDataMatrixAutoSize), cannot);
        EXPECT_NE(EncodeError(std::string(20000, 'x'), DataMatrixScheme(scheme), 0).find("Data too long"),
                  std::string::npos);
    }
}

TEST(DataMatrixSchemes, Names) {
    EXPECT_EQ(DataMatrixSchemeFromName("ASCII"), DataMatrixScheme::kAscii);
    EXPECT_EQ(DataMatrixSchemeFromName("C40"), DataMatrixScheme::kC40);
    EXPECT_EQ(DataMatrixSchemeFromName("TEXT"), DataMatrixScheme::kText);
    EXPECT_EQ(DataMatrixSchemeFromName("X12"), DataMatrixScheme::kX12);
    EXPECT_EQ(DataMatrixSchemeFromName("EDIFACT"), DataMatrixScheme::kEdifact);
    EXPECT_EQ(DataMatrixSchemeFromName("BASE256"), DataMatrixScheme::kBase256);
    for (const char* name : {"AUTO", "ascii", "Text", "", "BASE 256"})
        EXPECT_EQ(DataMatrixSchemeFromName(name), DataMatrixScheme::kAuto) << name;
}

TEST(DataMatrixSchemes, Codewords) {
    using S = DataMatrixScheme;
    struct Case {
        S scheme;
        std::string bytes;
        Codewords codewords;  // padded to the symbol chosen
    };
    const Case cases[] = {
        // A last single codeword after whole triplets is read as ASCII: the pad needs no unlatch.
        {S::kC40, "AIMAIMAIM", {230, 91, 11, 91, 11, 91, 11, 129}},
        {S::kText, "aimaimaim", {239, 91, 11, 91, 11, 91, 11, 129}},
        // Final pair padded with Shift 1 fills the symbol exactly.
        {S::kC40, "AIMAI", {230, 91, 11, 90, 241}},
        {S::kC40, "AIMAIM", {230, 91, 11, 91, 11}},
        // A last lone value goes back to ASCII.
        {S::kC40, "AIMA", {230, 91, 11, 254, 66}},
        // A lone pair is padded with Shift 1; a lone value stays ASCII.
        {S::kC40, "AB", {230, 89, 217}},
        {S::kC40, "A", {66, 129, 70}},
        // Upper shift inside C40: Shift 2, Upper Shift, then the value of 'A'.
        {S::kC40, "\xC1" "BC", {230, 10, 255, 96, 65}},
        {S::kX12, "ABC>ABC123>AB", {238, 89, 233, 14, 192, 100, 207, 44, 31, 254, 67, 129}},
        {S::kX12, "ab", {98, 99, 129}},
        {S::kEdifact, "ABCD", {240, 4, 32, 196, 129}},
        // With one codeword left after the group, readers take the rest as ASCII without unlatch.
        {S::kEdifact, "ABCDE", {240, 4, 32, 196, 70}},
        {S::kEdifact, "ABCDEFGH", {240, 4, 32, 196, 20, 97, 200, 129}},
        {S::kEdifact, "ABCDEF", {240, 4, 32, 196, 20, 103, 192, 129}},
        // A short run is latched into where a reader takes its part group as EDIFACT, else ASCII.
        {S::kEdifact, "xx:xxxxxx", {121, 121, 240, 233, 240, 121, 121, 121, 121, 121, 121, 129}},
        {S::kEdifact, "x:x", {121, 59, 121}},
        {S::kBase256, "AB", {231, 46, 2, 153, 129}},
        {S::kAuto, "AIMAIMAIM", {230, 91, 11, 91, 11, 91, 11, 129}},
        {S::kAuto, "123456", {142, 164, 186}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Encoded(c.bytes, c.scheme), c.codewords) << int(c.scheme) << " " << c.bytes;
}

TEST(DataMatrixGS1, FNC1FirstAndAfterVariableFields) {
    // 232, "10" as a pair, "A", 232 after the variable field, "21", "B", the pad 129 and the
    // randomised pad of position 8 (worked by hand; zxing-cpp reads it as GS1).
    EXPECT_EQ(EncodeDataMatrixGS1Data("10A\x1d" "21B", DataMatrixScheme::kAscii, kDataMatrixAutoSize).codewords,
              (Codewords{232, 140, 66, 232, 151, 67, 129, 56}));
    // Element data without a GS: FNC1 first only.
    EXPECT_EQ(EncodeDataMatrixGS1Data("1725123110A", DataMatrixScheme::kAscii, kDataMatrixAutoSize).codewords,
              (Codewords{232, 147, 155, 142, 161, 140, 66, 129}));
}

TEST(DataMatrixSchemes, Base256LengthField) {
    // 250 bytes and more take a two-byte length: 250 / 250 + 249 and 250 % 250, randomised.
    const Codewords cw = Encoded(std::string(250, 'x'), DataMatrixScheme::kBase256);
    ASSERT_GE(cw.size(), 253u);
    EXPECT_EQ(cw[0], 231);
    EXPECT_EQ(cw[1], uint8_t((250 + (149 * 2) % 255 + 1) - 256));
    EXPECT_EQ(cw[2], uint8_t(0 + (149 * 3) % 255 + 1));
}

// Random strings from small alphabets that favour one mode or another.
std::string RandomBytes(std::mt19937& rng, int length) {
    static const std::string alphabets[] = {
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789", "abcdefghijklmnopqrstuvwxyz 0123456789", "ABZ09 *>\r",
        "!\"#$%&'()*+,-./:;<=>?@[\\]^_ABC", "0123456789", "a0A*\xE9\xFF\x01~",
    };
    const std::string& alphabet = alphabets[rng() % 6];
    std::string s;
    for (int i = 0; i < length; ++i) s += alphabet[rng() % alphabet.size()];
    return s;
}

TEST(DataMatrixSchemes, PlanSizesMatchTheirCodewords) {
    std::mt19937 rng(7);
    for (int trial = 0; trial < 300; ++trial) {
        const std::string data = RandomBytes(rng, 1 + int(rng() % 40));
        for (int capacity : {datamatrix::kUnlimited, 3, 8, 22, 30}) {
            const datamatrix::Plan plans[] = {
                datamatrix::PlanMinimal(data, capacity),
                datamatrix::PlanSingleMode(data, datamatrix::Mode::kC40, capacity),
                datamatrix::PlanSingleMode(data, datamatrix::Mode::kText, capacity),
                datamatrix::PlanSingleMode(data, datamatrix::Mode::kX12, capacity),
                datamatrix::PlanSingleMode(data, datamatrix::Mode::kEdifact, capacity),
                datamatrix::PlanBase256(data),
            };
            for (const datamatrix::Plan& plan : plans) {
                const int size = datamatrix::PlanSize(plan, data);
                const Codewords cw = datamatrix::EmitPlan(plan, data, capacity);
                // Emitting adds at most the closing unlatch, and only where pads follow it.
                EXPECT_TRUE(int(cw.size()) == size || (int(cw.size()) == size + 1 && size + 1 < capacity)) << data;
                EXPECT_LE(datamatrix::PlanSize(plans[0], data), size) << data;
            }
            EXPECT_LE(datamatrix::PlanSize(plans[0], data), int(EncodeDataMatrixAscii(data).size())) << data;
            // Near a symbol's end a plan can only get shorter, by at most two codewords.
            const int unlimited = datamatrix::PlanSize(datamatrix::PlanMinimal(data, datamatrix::kUnlimited), data);
            EXPECT_LE(datamatrix::PlanSize(plans[0], data), unlimited) << data;
            EXPECT_GE(datamatrix::PlanSize(plans[0], data), unlimited - 2) << data;
        }
    }
}

TEST(DataMatrixSchemes, AutoTakesLongBase256Runs) {
    using datamatrix::PlanMinimal;
    using datamatrix::PlanSize;
    struct Case {
        std::string data;
        int size;
    };
    const Case cases[] = {
        {std::string(300, '\xE9'), 3 + 300},
        {std::string(249, '\xE9'), 2 + 249},
        {std::string(250, '\xE9'), 3 + 250},
        {std::string(1000, '7') + std::string(600, '\xE9'), 500 + 3 + 600},
        {std::string(600, '\xE9') + "12", 3 + 600 + 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlanSize(PlanMinimal(c.data, datamatrix::kUnlimited), c.data), c.size) << c.data.size();
}

TEST(DataMatrixSchemes, AutoNeverLargerThanAnyScheme) {
    std::mt19937 rng(11);
    for (int trial = 0; trial < 200; ++trial) {
        const std::string data = RandomBytes(rng, 1 + int(rng() % 60));
        const int best = EncodeDataMatrixData(data, DataMatrixScheme::kAuto, kDataMatrixAutoSize).size_index;
        for (int scheme = 0; scheme <= 5; ++scheme)
            EXPECT_LE(best, EncodeDataMatrixData(data, DataMatrixScheme(scheme), kDataMatrixAutoSize).size_index)
                << scheme << " " << data;
    }
}

TEST(DataMatrixErrorCorrection, WorkedExample) {
    const Codewords all = AddDataMatrixErrorCorrection({142, 164, 186}, DataMatrixSizeAt(0));
    EXPECT_EQ(all, (Codewords{142, 164, 186, 114, 25, 5, 88, 102}));
}

TEST(DataMatrixErrorCorrection, EveryBlockIsACodeword) {
    std::mt19937 rng(3);
    for (int s = 0; s < kDataMatrixSizeCount; ++s) {
        const DataMatrixSize& z = DataMatrixSizeAt(s);
        Codewords data(size_t(z.data_codewords));
        for (auto& c : data) c = uint8_t(rng());
        const Codewords all = AddDataMatrixErrorCorrection(data, z);
        ASSERT_EQ(int(all.size()), z.TotalCodewords());
        EXPECT_TRUE(std::equal(data.begin(), data.end(), all.begin()));
        // Error correction codeword e of block k sits at data + slot + blocks * e; only 144x144,
        // whose blocks differ in length, rotates the slots by its two shorter blocks.
        const int rotation = s == 23 ? 2 : 0;
        for (int k = 0; k < z.blocks; ++k) {
            Codewords block;
            for (int i = k; i < z.data_codewords; i += z.blocks) block.push_back(data[size_t(i)]);
            EXPECT_EQ(int(block.size()), s == 23 ? (k < 8 ? 156 : 155) : z.data_codewords / z.blocks);
            const int slot = (k + rotation) % z.blocks;
            for (int e = 0; e < z.ec_per_block; ++e)
                block.push_back(all[size_t(z.data_codewords + slot + z.blocks * e)]);
            EXPECT_TRUE(IsCodeword(block, z.ec_per_block)) << DataMatrixSizeName(s) << " block " << k;
        }
    }
}

TEST(DataMatrixPlacement, EveryBitOnceAndTheFixedCorner) {
    for (int s = 0; s < kDataMatrixSizeCount; ++s) {
        const DataMatrixSize& z = DataMatrixSizeAt(s);
        const int rows = z.MappingRows(), columns = z.MappingColumns();
        const std::vector<int> placement = DataMatrixPlacement(rows, columns);
        std::vector<int> seen(size_t(8 * z.TotalCodewords()), 0);
        int fixed = 0;
        for (int entry : placement) {
            if (entry < 0) {
                ++fixed;
                continue;
            }
            ASSERT_LT(entry, int(seen.size())) << DataMatrixSizeName(s);
            ++seen[size_t(entry)];
        }
        EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; })) << DataMatrixSizeName(s);
        const bool corner_left_free = rows * columns % 8 == 4;
        EXPECT_EQ(fixed, corner_left_free ? 4 : 0) << DataMatrixSizeName(s);
        if (corner_left_free) {
            const auto at = [&](int r, int c) { return placement[size_t(r * columns + c)]; };
            EXPECT_EQ(at(rows - 1, columns - 1), kDataMatrixFixedDark);
            EXPECT_EQ(at(rows - 2, columns - 2), kDataMatrixFixedDark);
            EXPECT_EQ(at(rows - 1, columns - 2), kDataMatrixFixedLight);
            EXPECT_EQ(at(rows - 2, columns - 1), kDataMatrixFixedLight);
        }
    }
}

TEST(DataMatrixPlacement, CornerShapes) {
    struct Case {
        int size_index;
        int codeword;
        int modules[8][2];  // bit 7 first; negative counts from the far edge
    };
    const Case cases[] = {
        {2, 7, {{-1, 0}, {-1, 1}, {-1, 2}, {0, -2}, {0, -1}, {1, -1}, {2, -1}, {3, -1}}},     // 14x14: shape 1
        {3, 7, {{-3, 0}, {-2, 0}, {-1, 0}, {0, -4}, {0, -3}, {0, -2}, {0, -1}, {1, -1}}},     // 16x16: shape 2
        {25, 0, {{-3, 0}, {-2, 0}, {-1, 0}, {0, -2}, {0, -1}, {1, -1}, {2, -1}, {3, -1}}},    // 8x32: shape 3
        {29, 7, {{-3, 0}, {-2, 0}, {-1, 0}, {0, -2}, {0, -1}, {1, -1}, {2, -1}, {3, -1}}},    // 16x48: shape 3
        {24, 6, {{-1, 0}, {-1, -1}, {0, -3}, {0, -2}, {0, -1}, {1, -3}, {1, -2}, {1, -1}}},   // 8x18: shape 4
        {28, 21, {{-1, 0}, {-1, -1}, {0, -3}, {0, -2}, {0, -1}, {1, -3}, {1, -2}, {1, -1}}},  // 16x36: shape 4
        {23, 1072, {{-1, 0}, {-1, 1}, {-1, 2}, {0, -2}, {0, -1}, {1, -1}, {2, -1}, {3, -1}}},  // 144x144: shape 1
    };
    for (const Case& c : cases) {
        const DataMatrixSize& z = DataMatrixSizeAt(c.size_index);
        const int rows = z.MappingRows(), columns = z.MappingColumns();
        const std::vector<int> placement = DataMatrixPlacement(rows, columns);
        for (int i = 0; i < 8; ++i) {
            const int r = c.modules[i][0] < 0 ? rows + c.modules[i][0] : c.modules[i][0];
            const int col = c.modules[i][1] < 0 ? columns + c.modules[i][1] : c.modules[i][1];
            EXPECT_EQ(placement[size_t(r * columns + col)], 8 * c.codeword + 7 - i)
                << DataMatrixSizeName(c.size_index) << " module " << i;
        }
    }
}

TEST(DataMatrixPlacement, StandardShapeWrapsAtTheEdges) {
    // In 10x10 the first codeword's shape sits at row 4, column 0: its left modules wrap to the
    // right edge, four rows lower.
    const std::vector<int> p = DataMatrixPlacement(8, 8);
    const int expected[8][2] = {{2, 6}, {2, 7}, {3, 6}, {3, 7}, {3, 0}, {4, 6}, {4, 7}, {4, 0}};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(p[size_t(expected[i][0] * 8 + expected[i][1])], 7 - i) << i;
}

TEST(DataMatrixSymbol, FinderAndClockOfEveryRegion) {
    for (int s = 0; s < kDataMatrixSizeCount; ++s) {
        const DataMatrixSize& z = DataMatrixSizeAt(s);
        const ModuleMatrix m = BuildDataMatrixSymbol(z, Codewords(size_t(z.TotalCodewords()), 0));
        ASSERT_EQ(m.Columns(), z.columns);
        ASSERT_EQ(m.Rows(), z.rows);
        const int h = z.region_rows + 2, w = z.region_columns + 2;
        for (int y = 0; y < z.rows; ++y) {
            for (int x = 0; x < z.columns; ++x) {
                const int ry = y % h, rx = x % w;  // position inside its region, from the top left
                bool expected;
                if (ry == h - 1 || rx == 0) expected = true;         // solid bottom and left
                else if (ry == 0) expected = rx % 2 == 0;            // alternating top
                else if (rx == w - 1) expected = (h - 1 - ry) % 2 == 0;  // alternating right, dark at the bottom
                else continue;
                EXPECT_EQ(m.Get(x, y), expected) << DataMatrixSizeName(s) << " " << x << "," << y;
            }
        }
        // All-zero codewords leave the interior light except for the fixed corner pattern.
        int dark_inside = 0;
        for (int y = 0; y < z.rows; ++y)
            for (int x = 0; x < z.columns; ++x)
                if (y % h != 0 && y % h != h - 1 && x % w != 0 && x % w != w - 1) dark_inside += m.Get(x, y);
        EXPECT_EQ(dark_inside, z.MappingRows() * z.MappingColumns() % 8 == 4 ? 2 : 0) << DataMatrixSizeName(s);
    }
}

TEST(DataMatrixSymbol, LetterA) {
    const ModuleMatrix m = EncodeDataMatrix("A", DataMatrixScheme::kAscii, kDataMatrixAutoSize);
    ASSERT_EQ(m.Columns(), 10);
    ASSERT_EQ(m.Rows(), 10);
    EXPECT_FALSE(m.Get(9, 0));  // top right: light
    EXPECT_TRUE(m.Get(9, 9));   // bottom right: dark
    EXPECT_TRUE(m.Get(0, 0));
    // Codeword 0 (66 = 01000010) at mapping (2,6) (2,7) (3,6) (3,7) (3,0) (4,6) (4,7) (4,0).
    const int bits[8][2] = {{2, 6}, {2, 7}, {3, 6}, {3, 7}, {3, 0}, {4, 6}, {4, 7}, {4, 0}};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(m.Get(bits[i][1] + 1, bits[i][0] + 1), ((66 >> (7 - i)) & 1) != 0) << i;
}

TEST(DataMatrixSymbol, RectangularSizes) {
    const ModuleMatrix m = EncodeDataMatrix("A", DataMatrixScheme::kAscii, 24);
    EXPECT_EQ(m.Columns(), 18);
    EXPECT_EQ(m.Rows(), 8);
    const ModuleMatrix wide = EncodeDataMatrix("A", DataMatrixScheme::kAscii, 29);
    EXPECT_EQ(wide.Columns(), 48);
    EXPECT_EQ(wide.Rows(), 16);
    EXPECT_TRUE(wide.Get(24, 15));   // second region's solid left edge
    EXPECT_TRUE(wide.Get(23, 15));   // first region's right edge, dark at the bottom
    EXPECT_FALSE(wide.Get(23, 14));
}

}  // namespace
