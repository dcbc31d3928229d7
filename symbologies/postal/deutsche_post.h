#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Deutsche Post Leitcode (13 digits) and Identcode (11 digits): Interleaved 2 of 5 with the
// check digit of weights 4 and 9 (modulo 10). One more digit is read as the check digit and must
// be the right one. The text in Deutsche Post's groups: Leitcode "21348.075.016.40 1",
// Identcode "56.310 243.031 3".
EncodedSymbol EncodeLeitcodeSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeIdentcodeSymbol(const std::string& text, const EncodeOptions& options);
