#include "symbologies/matrix/micropdf417_sizes.h"

namespace {

// columns, rows, error correction codewords, left / centre / right pattern of the top row, cluster.
constexpr MicroPdf417Size kSizes[kMicroPdf417Sizes] = {
    {1, 11, 7, 1, 0, 9, 0},     {1, 14, 7, 8, 0, 8, 1},     {1, 17, 7, 36, 0, 36, 2},
    {1, 20, 8, 19, 0, 19, 0},   {1, 24, 8, 9, 0, 17, 2},    {1, 28, 8, 25, 0, 33, 0},
    {2, 8, 8, 1, 0, 1, 0},      {2, 11, 9, 1, 0, 9, 0},     {2, 14, 9, 8, 0, 8, 1},
    {2, 17, 10, 36, 0, 36, 2},  {2, 20, 11, 19, 0, 19, 0},  {2, 23, 13, 9, 0, 17, 2},
    {2, 26, 15, 27, 0, 35, 2},  {3, 6, 12, 1, 1, 1, 0},     {3, 8, 14, 7, 7, 7, 0},
    {3, 10, 16, 15, 15, 15, 2}, {3, 12, 18, 25, 25, 25, 0}, {3, 15, 21, 37, 37, 37, 0},
    {3, 20, 26, 1, 17, 33, 0},  {3, 26, 32, 1, 9, 17, 0},   {3, 32, 38, 21, 29, 37, 2},
    {3, 38, 44, 15, 31, 47, 2}, {3, 44, 50, 1, 25, 49, 0},  {4, 4, 8, 47, 19, 43, 1},
    {4, 6, 12, 1, 1, 1, 0},     {4, 8, 14, 7, 7, 7, 0},     {4, 10, 16, 15, 15, 15, 2},
    {4, 12, 18, 25, 25, 25, 0}, {4, 15, 21, 37, 37, 37, 0}, {4, 20, 26, 1, 17, 33, 0},
    {4, 26, 32, 1, 9, 17, 0},   {4, 32, 38, 21, 29, 37, 2}, {4, 38, 44, 15, 31, 47, 2},
    {4, 44, 50, 1, 25, 49, 0},
};

// Sizes tried when the columns are free, by capacity (4, 6, 7, 8, ... 126 data codewords). Where
// two sizes hold the same, the one listed is the size zint chooses too, so symbols match its.
constexpr uint8_t kAutomaticOrder[] = {0,  13, 1,  6,  2,  24, 7,  15, 4,  16, 8,  5,  9,  10,
                                       27, 11, 18, 12, 28, 19, 29, 20, 21, 30, 22, 31, 32, 33};

constexpr uint16_t kSideRaps[kMicroPdf417RapPatterns] = {
    0x322, 0x3A2, 0x3B2, 0x332, 0x372, 0x37A, 0x33A, 0x3BA, 0x39A, 0x3DA, 0x3CA, 0x38A, 0x30A,
    0x31A, 0x312, 0x392, 0x3D2, 0x3D6, 0x3D4, 0x394, 0x3B4, 0x3A4, 0x3A6, 0x3AE, 0x3AC, 0x3A8,
    0x328, 0x32C, 0x32E, 0x326, 0x336, 0x3B6, 0x396, 0x316, 0x314, 0x334, 0x374, 0x364, 0x366,
    0x36E, 0x36C, 0x368, 0x348, 0x358, 0x35C, 0x35E, 0x34E, 0x34C, 0x344, 0x346, 0x342, 0x362,
};

constexpr uint16_t kCentreRaps[kMicroPdf417RapPatterns] = {
    0x2CE, 0x24E, 0x26E, 0x22E, 0x226, 0x236, 0x216, 0x212, 0x21A, 0x23A, 0x232, 0x222, 0x262,
    0x272, 0x27A, 0x2FA, 0x2F2, 0x2F6, 0x276, 0x274, 0x264, 0x266, 0x246, 0x242, 0x2C2, 0x2E2,
    0x2E6, 0x2E4, 0x2EC, 0x26C, 0x22C, 0x228, 0x268, 0x2E8, 0x2C8, 0x2CC, 0x2C4, 0x2C6, 0x286,
    0x28E, 0x28C, 0x29C, 0x298, 0x2B8, 0x2B0, 0x290, 0x2D0, 0x250, 0x258, 0x25C, 0x2DC, 0x2DE,
};

}  // namespace

const MicroPdf417Size& MicroPdf417SizeAt(int index) { return kSizes[index]; }

int ChooseMicroPdf417Size(int data_codewords, int columns) {
    if (columns == 0) {
        for (const uint8_t index : kAutomaticOrder) {
            if (kSizes[index].Capacity() >= data_codewords) return index;
        }
        return -1;
    }
    for (int index = 0; index < kMicroPdf417Sizes; ++index) {
        if (kSizes[index].columns == columns && kSizes[index].Capacity() >= data_codewords) return index;
    }
    return -1;
}

int MicroPdf417MaxCodewords(int columns) {
    int most = 0;
    for (const MicroPdf417Size& size : kSizes) {
        if (columns == 0 || size.columns == columns) most = size.Capacity() > most ? size.Capacity() : most;
    }
    return most;
}

uint32_t MicroPdf417SideRap(int number) { return kSideRaps[number - 1]; }
uint32_t MicroPdf417CentreRap(int number) { return kCentreRaps[number - 1]; }
