#pragma once
#include <string>
#include <vector>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// The encode step of every symbology behind one name: text and options in, an encoded symbol out.
// Each encoder validates the options it reads and raises EncodeError; the others it ignores. An
// EncodeError's position is the index, in code points, of the offending character in `text`.
EncodedSymbol Encode(const std::string& symbology, const std::string& text, const EncodeOptions& options);
// The names Encode accepts, in the order they are listed to users.
const std::vector<std::string>& EncodableSymbologies();
