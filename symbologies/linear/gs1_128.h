#pragma once
#include <string>
#include <vector>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// GS1-128: Code 128 with "{FNC1}" (an FNC1 symbol character) and "{AI}" (an application
// identifier after a fixed-length field) markers in the text; code sets chosen greedily.
// Symbol values from the start value to the last data value (no check value, no stop).
std::vector<int> EncodeGS1_128Values(const std::string& text);
ModuleWidths EncodeGS1_128(const std::string& text);
// The text with its markers removed and each application identifier in parentheses.
std::string GS1_128HumanText(const std::string& text);
// An element string, bracketed or in a marker form; `options.gs1_validate` checks it first.
EncodedSymbol EncodeGS1_128Symbol(const std::string& text, const EncodeOptions& options);

// Convenience-store payment form: FNC1 and 44 digits in set C, the last a mod-10 check digit.
// The 44 digits of a code given with or without its check digit (and an optional leading "{FNC1}").
std::string ConvenienceDigits(const std::string& code);
std::vector<int> ConvenienceValues(const std::string& digits44);
// The two lines of human-readable text of the 44 digits.
std::vector<std::string> ConvenienceTextLines(const std::string& digits44);
EncodedSymbol EncodeConvenienceSymbol(const std::string& text, const EncodeOptions& options);
