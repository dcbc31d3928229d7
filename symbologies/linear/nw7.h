#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// NW-7 (Codabar): wide elements of 3 modules, a 2-module gap between characters, no check
// character. A text without start/stop characters gets "C" at both ends.
ModuleWidths EncodeNW7(const std::string& code);
// The printed line: the code as given, without its start/stop characters when they are hidden.
std::string NW7HumanText(const std::string& code, bool show_start_stop);
EncodedSymbol EncodeNW7Symbol(const std::string& text, const EncodeOptions& options);
