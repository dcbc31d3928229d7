#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// GS1-128 of one key from its digits alone: EAN-14 (GTIN-14, AI 01) from up to 13 digits and
// SSCC-18 (AI 00) from up to 17, zero-padded on the left, the GS1 check digit added; one digit
// more is the check digit, which must match.
EncodedSymbol EncodeEan14Symbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeSscc18Symbol(const std::string& text, const EncodeOptions& options);
