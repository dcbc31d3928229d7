#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// JAN-13 (EAN-13): 12 digits and a check digit; the leading digit sets the parity of the left half.

// The code with its check digit: 12 digits get one appended, 13 digits must end with the right one.
std::string CompleteJan13(const std::string& code);
// 59 elements, 95 modules.
ModuleWidths EncodeJan13(const std::string& code);

// The completed code (check digit added or verified) as a symbol; `options.extended_guard` picks the form.
EncodedSymbol EncodeJan13Symbol(const std::string& text, const EncodeOptions& options);
