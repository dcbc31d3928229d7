#pragma once
#include <string>
#include <vector>

// Attributes of one Data Matrix ECC 200 symbol size.
struct DataMatrixSize {
    int rows, columns;                // whole symbol, in modules
    int region_rows, region_columns;  // interior of one data region (finder and clock border excluded)
    int regions_h, regions_v;         // data regions across and down
    int blocks;                       // interleaved Reed-Solomon blocks
    int ec_per_block;                 // error correction codewords per block
    int data_codewords;               // data capacity of the whole symbol
    int max_errors;                   // correctable codeword errors per block

    int MappingRows() const { return regions_v * region_rows; }
    int MappingColumns() const { return regions_h * region_columns; }
    int TotalCodewords() const { return data_codewords + blocks * ec_per_block; }
};

// The 24 square sizes (10x10 .. 144x144) come first, then the 6 rectangular ones.
constexpr int kDataMatrixSizeCount = 30;
constexpr int kDataMatrixSquareSizeCount = 24;
constexpr int kDataMatrixAutoSize = -2;

// The sizes an automatic choice takes from.
enum class DataMatrixShape { kSquare, kRectangle, kAny };

const DataMatrixSize& DataMatrixSizeAt(int index);
bool IsSquareDataMatrixSize(int index);
// The sizes to try in order: `size_index` alone when one is given; for kDataMatrixAutoSize those of
// `shape`, the smallest area first and the square one first of two with the same area.
std::vector<int> DataMatrixCandidateSizes(int size_index, DataMatrixShape shape);
// "10x10" .. "16x48" (rows x columns); the index of a size name, or kDataMatrixAutoSize for "AUTO"
// and any other string.
std::string DataMatrixSizeName(int index);
int DataMatrixSizeIndex(const std::string& name);
