#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "symbologies/matrix/datamatrix_encodation.h"
#include "symbologies/matrix/datamatrix_sizes.h"

// `options`: size ("" or "auto": the smallest area of the shape; "RxC"), shape (any, square or
// rectangle: the sizes an automatic choice takes; a given size must be of it), scheme (auto, ascii,
// c40, text, x12, edifact, base256) and encoding. The GS1 form takes an element string, in ASCII
// encodation.
EncodedSymbol EncodeDataMatrixSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeGS1DataMatrixSymbol(const std::string& text, const EncodeOptions& options);
