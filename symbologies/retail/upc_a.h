#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// UPC-A: number system digit, 10 data digits and a check digit.

// The code with its check digit: 11 digits get one appended, 12 digits must end with the right one.
std::string CompleteUpcA(const std::string& code);
// 59 elements, 95 modules: the JAN-13 symbol of the code with a leading 0.
ModuleWidths EncodeUpcA(const std::string& code);

// The completed code (check digit added or verified) as a symbol; `options.extended_guard` picks the form.
EncodedSymbol EncodeUpcASymbol(const std::string& text, const EncodeOptions& options);
