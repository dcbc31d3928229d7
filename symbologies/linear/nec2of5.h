#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// NEC 2 of 5: the Matrix 2 of 5 layout under its own name and messages.
ModuleWidths EncodeNEC2of5(const std::string& code);
EncodedSymbol EncodeNEC2of5Symbol(const std::string& text, const EncodeOptions& options);
