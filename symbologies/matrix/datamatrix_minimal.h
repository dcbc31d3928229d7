#pragma once
#include <string>

#include "core/model/module_matrix.h"
#include "symbologies/matrix/datamatrix_encodation.h"
#include "symbologies/matrix/datamatrix_sizes.h"

// The fewest codewords over every encodation (ASCII, C40, Text, X12, EDIFACT, Base 256), planned for
// each candidate size's end (unlatch or not, padding, a last triplet or group), in the size of
// `shape` with the smallest area that holds them, or in `size_index` when one is given.
// With `gs1` the bytes are GS1 element data (GS1Data, GS 0x1D where a separator goes): FNC1 first,
// then the fields with FNC1 for each GS, in whichever mode they fall.
// Throws EncodeError (InvalidData for empty data, TooLong with the size's capacity).
DataMatrixData EncodeDataMatrixMinimal(const std::string& bytes, bool gs1, int size_index = kDataMatrixAutoSize,
                                       DataMatrixShape shape = DataMatrixShape::kSquare);

// The finished symbol of EncodeDataMatrixMinimal's codewords.
ModuleMatrix EncodeDataMatrixMinimalSymbol(const std::string& bytes, bool gs1, int size_index, DataMatrixShape shape);
