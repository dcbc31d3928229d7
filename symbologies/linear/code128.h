#pragma once
#include <string>
#include <vector>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// Code set choice of a Code 128 symbol: one fixed set, or the shortest mix of sets.
enum class Code128Mode : int { kCodeA = 0, kCodeB = 1, kCodeC = 2, kAuto = 3 };

// Symbol values from the start value to the last data value (no check value, no stop).
std::vector<int> EncodeCode128Values(const std::string& text, Code128Mode mode);
// The complete symbol: start, data, check value and stop.
ModuleWidths EncodeCode128(const std::string& text, Code128Mode mode);
// `options.mode`: "auto", "A", "B" or "C".
EncodedSymbol EncodeCode128Symbol(const std::string& text, const EncodeOptions& options);
