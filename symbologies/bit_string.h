#pragma once
#include <string>

// Bit strings of '0' and '1' characters, as the GS1 data encodations build them before cutting
// them into codewords.

// The low `count` bits of `value`, most significant first.
inline void AppendBits(std::string& bits, int value, int count) {
    for (int i = count - 1; i >= 0; --i) bits.push_back((value >> i) & 1 ? '1' : '0');
}
