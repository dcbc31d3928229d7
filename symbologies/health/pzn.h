#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// PZN (Pharmazentralnummer) in Code 39: '-', the number and its check digit. PZN-8 takes up to 7
// digits (PZN-7, with `pzn7`, up to 6), padded with zeros on the left; one digit more is the
// check digit, which must match. Printed "PZN - " and the digits.
EncodedSymbol EncodePznSymbol(const std::string& text, const EncodeOptions& options);
