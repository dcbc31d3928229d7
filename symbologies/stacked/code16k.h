#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Code 16K: the text's Code 128 symbol values (the shortest mix of sets A, B and C; ASCII up to
// '~') five to a row, 2 to 16 rows of 70 modules. The first value counts the rows and names the
// starting set, pad values fill the last row and two check values close it; each row has its own
// start and stop patterns. options.rows (0: as few as the data needs) adds pad rows. Rows are
// drawn between bars across the whole width and separated by one-module bars.
// Throws EncodeError: InvalidCharacter past '~', InvalidOption for rows outside 2..16 or too few
// (naming the rows the data needs), TooLong past 77 symbol values.
EncodedSymbol EncodeCode16kSymbol(const std::string& text, const EncodeOptions& options);
