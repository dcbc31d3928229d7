#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Code 39 behind make() beyond the plain code: Full ASCII (every ASCII character as one or two
// Code 39 characters) and LOGMARS (MIL-STD-1189B). Both take the modulo 43 check character
// (check "mod43"). Full ASCII draws wide elements 2 modules wide, LOGMARS 3.
EncodedSymbol EncodeCode39FullAsciiSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeLogmarsSymbol(const std::string& text, const EncodeOptions& options);
// The one or two Code 39 characters Full ASCII writes for ASCII character `c` (0-127); Code 93's
// Full ASCII writes the same pairs with its shift characters for '$', '%', '/' and '+'.
const char* Code39FullAsciiCharacters(unsigned char c);
