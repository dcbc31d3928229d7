#pragma once
#include <string>
#include <vector>

#include "core/model/module_widths.h"
#include "core/text_encoding/digits.h"

// Symbol values and patterns shared by Code 128 and GS1-128.
namespace code128 {

enum SymbolValue : int {
    kFnc3 = 96,   // in sets A and B
    kShift = 98,  // the next character from the other of sets A and B
    kCodeC = 99,  // switch to set C
    kCodeB = 100,
    kCodeA = 101,
    kFnc1 = 102,
    kStartA = 103,
    kStartB = 104,
    kStartC = 105,
    kStop = 106,
};

// Value of a byte in set A (0x00-0x5F) or set B (0x20-0x7F); -1 when the set lacks it.
int ValueInSetA(unsigned char byte);
int ValueInSetB(unsigned char byte);

// (v0 + 1 v1 + 2 v2 + ... + k vk) mod 103 over the values from the start value on.
int CheckValue(const std::vector<int>& values);

// Module widths of the values (start first), their check value and the stop. A value outside the
// table throws std::runtime_error(invalid_value_message).
ModuleWidths ToModuleWidths(const std::vector<int>& values, const char* invalid_value_message);

}  // namespace code128
