#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// VIN (ISO 3779): 17 characters, 0-9 and A-Z without I, O and Q, in Code 39. A 9th character
// that is a digit or 'X' is the North American check digit and must match; another letter
// (VINs outside North America) is left as it is.
EncodedSymbol EncodeVinSymbol(const std::string& text, const EncodeOptions& options);
