#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// Interleaved 2 of 5: digits only, an odd count gets a leading zero, no check digit.
ModuleWidths EncodeITF(const std::string& code);
EncodedSymbol EncodeITFSymbol(const std::string& text, const EncodeOptions& options);
