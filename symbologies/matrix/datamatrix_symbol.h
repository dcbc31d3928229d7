#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/module_matrix.h"
#include "symbologies/matrix/datamatrix_encodation.h"
#include "symbologies/matrix/datamatrix_sizes.h"

// The data codewords followed by the interleaved Reed-Solomon codewords of every block.
std::vector<uint8_t> AddDataMatrixErrorCorrection(const std::vector<uint8_t>& data, const DataMatrixSize& size);

// The symbol of `size` whose mapping matrix holds `codewords` (data and error correction): every
// data region framed by its solid left and bottom edges and its alternating top and right edges.
ModuleMatrix BuildDataMatrixSymbol(const DataMatrixSize& size, const std::vector<uint8_t>& codewords);

// Text bytes to a finished symbol; throws std::runtime_error with the user-visible message.
ModuleMatrix EncodeDataMatrix(const std::string& bytes, DataMatrixScheme scheme, int size_index,
                              DataMatrixShape shape = DataMatrixShape::kSquare);
// The same for GS1 element data (GS1Data, GS 0x1D where a separator goes), FNC1 first.
ModuleMatrix EncodeGS1DataMatrix(const std::string& element_data, DataMatrixScheme scheme, int size_index);
