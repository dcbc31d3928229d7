#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "symbologies/matrix/datamatrix_sizes.h"

// The encodation a DataMatrix object asks for; AUTO picks whichever gives the fewest codewords.
enum class DataMatrixScheme { kAuto = -1, kAscii = 0, kC40 = 1, kText = 2, kX12 = 3, kEdifact = 4, kBase256 = 5 };

// "AUTO", "ASCII", "C40", "TEXT", "X12", "EDIFACT", "BASE256"; any other string is AUTO.
DataMatrixScheme DataMatrixSchemeFromName(const std::string& name);

// ASCII encodation: digits paired greedily from the left, bytes 128-255 behind an upper shift.
std::vector<uint8_t> EncodeDataMatrixAscii(const std::string& bytes);

// Fills codewords [size, capacity) with the first pad 129 and then the 253-state randomised pads.
void AppendDataMatrixPads(std::vector<uint8_t>& codewords, int capacity);

// The data codewords of a symbol, padded to the capacity of its size.
struct DataMatrixData {
    int size_index;
    std::vector<uint8_t> codewords;
};

// GS1 Data Matrix: `element_data` (GS1Data, GS 0x1D where a separator goes) as FNC1 (232) first,
// then the fields with FNC1 for each GS; otherwise as EncodeDataMatrixData.
DataMatrixData EncodeDataMatrixGS1Data(const std::string& element_data, DataMatrixScheme scheme, int size_index,
                                       DataMatrixShape shape = DataMatrixShape::kSquare);

// Encodes `bytes` with `scheme` and chooses the size: for kDataMatrixAutoSize the size of `shape`
// with the smallest area that holds the data, else the given size index. Throws std::runtime_error with the
// user-visible message when the data is empty or does not fit.
DataMatrixData EncodeDataMatrixData(const std::string& bytes, DataMatrixScheme scheme, int size_index,
                                    DataMatrixShape shape = DataMatrixShape::kSquare);
