#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// The digit-per-character 2 of 5 layout shared by Matrix 2 of 5 and NEC 2 of 5: three bars and two
// spaces per digit, a narrow space between digits, fixed start and end, no padding or check digit.
// `non_digit_message` is the error text for a byte that is not a digit.
ModuleWidths EncodeMatrixTwoOfFive(const std::string& code, const char* non_digit_message);

ModuleWidths EncodeMatrix2of5(const std::string& code);
EncodedSymbol EncodeMatrix2of5Symbol(const std::string& text, const EncodeOptions& options);
