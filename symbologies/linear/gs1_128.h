#pragma once
#include <string>
#include <vector>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// GS1-128: Code 128 of element data as GS1MarkedCodes gives it (the class's "{FNC1}" and "{AI}"
// markers, or elements read); code sets chosen greedily. Symbol values from the start value to
// the last data value (no check value, no stop).
std::vector<int> EncodeGS1_128Values(const std::vector<int>& codes);
ModuleWidths EncodeGS1_128(const std::vector<int>& codes);
// An element string, bracketed or in a marker form; `options.gs1_validate` checks it first.
EncodedSymbol EncodeGS1_128Symbol(const std::string& text, const EncodeOptions& options);

// Convenience-store payment form: FNC1 and 44 digits in set C, the last a mod-10 check digit.
// The 44 digits of a code given with or without its check digit (and an optional leading "{FNC1}").
std::string ConvenienceDigits(const std::string& code);
std::vector<int> ConvenienceValues(const std::string& digits44);
// The two lines of human-readable text of the 44 digits.
std::vector<std::string> ConvenienceTextLines(const std::string& digits44);
// The code as 43 or 44 digits, after "{FNC1}" or as the element string "(91)..." or "[91]...".
EncodedSymbol EncodeConvenienceSymbol(const std::string& text, const EncodeOptions& options);
