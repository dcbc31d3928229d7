#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// JAN-8 (EAN-8): 7 digits and a check digit.

// The code with its check digit: 7 digits get one appended, 8 digits must end with the right one.
std::string CompleteJan8(const std::string& code);
// 43 elements, 67 modules.
ModuleWidths EncodeJan8(const std::string& code);

// The completed code (check digit added or verified) as a symbol; `options.extended_guard` picks the form.
EncodedSymbol EncodeJan8Symbol(const std::string& text, const EncodeOptions& options);
