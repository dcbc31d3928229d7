#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// Code 39 with the "*" start/stop; no check character.
ModuleWidths EncodeCode39(const std::string& code);
// The printed line: the code, between "*" when the start/stop characters are shown.
std::string Code39HumanText(const std::string& code, bool show_start_stop);
EncodedSymbol EncodeCode39Symbol(const std::string& text, const EncodeOptions& options);
