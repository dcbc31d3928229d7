#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// The 2 of 5 codes of one digit per character on make(), each digit five elements two of them
// wide (3 modules), with an optional GS1 modulo 10 check digit (`check` "mod10"):
// Industrial 2 of 5 and IATA 2 of 5 carry the digit in five bars with narrow spaces between;
// Data Logic 2 of 5 in bar, space, bar, space, bar as Matrix 2 of 5. Start and stop differ.
EncodedSymbol EncodeIndustrial2of5Symbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeIata2of5Symbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeDataLogic2of5Symbol(const std::string& text, const EncodeOptions& options);
