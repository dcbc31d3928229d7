#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// Code 93 with its two check characters C and K. The bytes "<", ">", "?" and "!" stand for the
// four shift characters ($), (%), (/), (+); there is no full-ASCII translation of our own.
ModuleWidths EncodeCode93(const std::string& code);
EncodedSymbol EncodeCode93Symbol(const std::string& text, const EncodeOptions& options);
