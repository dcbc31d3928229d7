#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// UPC-E: the zero-suppressed UPC-A form, number system 0 or 1, six data digits and the check digit of
// the expanded UPC-A code. Six digits alone mean number system 0.

// The 11-digit UPC-A form (without check digit) of a number system digit and six data digits.
std::string ExpandUpcE(const std::string& seven_digits);
// Check digit of a number system digit and six data digits, computed over the expanded form.
char UpcECheckDigit(const std::string& seven_digits);
// The 8-digit code: 6 or 7 digits are completed, 8 digits must carry the right check digit.
std::string CompleteUpcE(const std::string& code);
// An 8-digit code into 33 elements (51 modules); the parity of the six data digits is chosen by the
// check digit and complemented for number system 1.
ModuleWidths EncodeUPCE(const std::string& code);

// The completed code (check digit added or verified) as a symbol; `options.extended_guard` picks the form.
EncodedSymbol EncodeUpcESymbol(const std::string& text, const EncodeOptions& options);
