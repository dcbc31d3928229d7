#include "symbologies/matrix/datamatrix_sizes.h"

#include <algorithm>
#include <stdexcept>

namespace {

// rows, columns, region rows, region columns, regions across, regions down, blocks, EC per block,
// data codewords, correctable errors per block.
constexpr DataMatrixSize kSizes[kDataMatrixSizeCount] = {
    {10, 10, 8, 8, 1, 1, 1, 5, 3, 2},
    {12, 12, 10, 10, 1, 1, 1, 7, 5, 3},
    {14, 14, 12, 12, 1, 1, 1, 10, 8, 5},
    {16, 16, 14, 14, 1, 1, 1, 12, 12, 6},
    {18, 18, 16, 16, 1, 1, 1, 14, 18, 7},
    {20, 20, 18, 18, 1, 1, 1, 18, 22, 9},
    {22, 22, 20, 20, 1, 1, 1, 20, 30, 10},
    {24, 24, 22, 22, 1, 1, 1, 24, 36, 12},
    {26, 26, 24, 24, 1, 1, 1, 28, 44, 14},
    {32, 32, 14, 14, 2, 2, 1, 36, 62, 18},
    {36, 36, 16, 16, 2, 2, 1, 42, 86, 21},
    {40, 40, 18, 18, 2, 2, 1, 48, 114, 24},
    {44, 44, 20, 20, 2, 2, 1, 56, 144, 28},
    {48, 48, 22, 22, 2, 2, 1, 68, 174, 34},
    {52, 52, 24, 24, 2, 2, 2, 42, 204, 21},
    {64, 64, 14, 14, 4, 4, 2, 56, 280, 28},
    {72, 72, 16, 16, 4, 4, 4, 36, 368, 18},
    {80, 80, 18, 18, 4, 4, 4, 48, 456, 24},
    {88, 88, 20, 20, 4, 4, 4, 56, 576, 28},
    {96, 96, 22, 22, 4, 4, 4, 68, 696, 34},
    {104, 104, 24, 24, 4, 4, 6, 56, 816, 28},
    {120, 120, 18, 18, 6, 6, 6, 68, 1050, 34},
    {132, 132, 20, 20, 6, 6, 8, 62, 1304, 31},
    {144, 144, 22, 22, 6, 6, 10, 62, 1558, 31},
    {8, 18, 6, 16, 1, 1, 1, 7, 5, 3},
    {8, 32, 6, 14, 2, 1, 1, 11, 10, 5},
    {12, 26, 10, 24, 1, 1, 1, 14, 16, 7},
    {12, 36, 10, 16, 2, 1, 1, 18, 22, 9},
    {16, 36, 14, 16, 2, 1, 1, 24, 32, 12},
    {16, 48, 14, 22, 2, 1, 1, 28, 49, 14},
};

}  // namespace

const DataMatrixSize& DataMatrixSizeAt(int index) {
    if (index < 0 || index >= kDataMatrixSizeCount) throw std::out_of_range("Data Matrix size index out of range");
    return kSizes[index];
}

bool IsSquareDataMatrixSize(int index) { return DataMatrixSizeAt(index).rows == DataMatrixSizeAt(index).columns; }

std::vector<int> DataMatrixCandidateSizes(int size_index, DataMatrixShape shape) {
    if (size_index != kDataMatrixAutoSize) {
        DataMatrixSizeAt(size_index);  // rejects a bad index
        return {size_index};
    }
    std::vector<int> sizes;
    for (int s = 0; s < kDataMatrixSizeCount; ++s)
        if (shape == DataMatrixShape::kAny || (shape == DataMatrixShape::kSquare) == IsSquareDataMatrixSize(s))
            sizes.push_back(s);
    // The squares come first in the table, so a stable sort puts them first on a tie of area.
    auto area = [](int s) { return kSizes[s].rows * kSizes[s].columns; };
    std::stable_sort(sizes.begin(), sizes.end(), [&](int a, int b) { return area(a) < area(b); });
    return sizes;
}

std::string DataMatrixSizeName(int index) {
    const DataMatrixSize& size = DataMatrixSizeAt(index);
    return std::to_string(size.rows) + "x" + std::to_string(size.columns);
}

int DataMatrixSizeIndex(const std::string& name) {
    for (int i = 0; i < kDataMatrixSizeCount; ++i)
        if (name == DataMatrixSizeName(i)) return i;
    return kDataMatrixAutoSize;
}
