#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Code 93 Full ASCII: every ASCII character as one Code 93 character or a shift character and
// one, with the two check characters. (The plain code93 name takes Code 93's own characters.)
EncodedSymbol EncodeCode93FullAsciiSymbol(const std::string& text, const EncodeOptions& options);
