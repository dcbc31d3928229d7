#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Codablock-F: the text (ISO/IEC 8859-1, FNC4 for the upper half) as rows of Code 128 symbol
// characters. Each row is Start A, its code set selector, its row indicator, options.columns data
// columns (4 to 62; 0: about the square root of the text's length), its check character and Stop;
// the last row ends with the symbol's check characters K1 and K2. options.rows (2 to 44; 0: as
// few as the data needs) pads with filler rows. Rows are drawn between a bar above and below and
// separated by one-module bars; 10 modules of quiet zone each side.
// Throws EncodeError: InvalidCharacter for text past U+00FF, InvalidOption for columns or rows out
// of range or too few for the data (the message names the option and the rows needed), TooLong
// when 44 rows of 62 columns cannot hold it.
EncodedSymbol EncodeCodablockFSymbol(const std::string& text, const EncodeOptions& options);
