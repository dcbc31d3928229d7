#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Code 32 (Italian pharmacode): 8 digits (zero-padded) and their check digit, as one number in
// base 32 written with six Code 39 characters. 9 digits: the last is the check digit, which must
// match. Printed "A" and the nine digits.
EncodedSymbol EncodeCode32Symbol(const std::string& text, const EncodeOptions& options);
