#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Code 11 (USD-8): digits and '-', narrow elements 1 module and wide 2, with the check characters
// `check` asks for: "ck" (C and K, the default, as zint), "c" or "none".
EncodedSymbol EncodeCode11Symbol(const std::string& text, const EncodeOptions& options);
