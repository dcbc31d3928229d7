#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A row of modules written as `zint --dump` prints it (hex nibbles, a space after each byte), so
// zint's output can be pasted into tables as it is.
inline std::string ZintDump(const std::vector<uint8_t>& modules) {
    std::string out;
    for (std::size_t i = 0; i < modules.size(); i += 4) {
        int nibble = 0;
        for (std::size_t k = i; k < i + 4; ++k) nibble = nibble * 2 + (k < modules.size() ? modules[k] : 0);
        if (i > 0 && i % 8 == 0) out += ' ';
        out += "0123456789ABCDEF"[nibble];
    }
    return out;
}
