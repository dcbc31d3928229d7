#pragma once
#include <cstdint>
#include <vector>

#include "core/model/module_widths.h"

// The modules of alternating bar and space widths, one entry per module, 1 dark.
inline std::vector<uint8_t> ModuleBits(const ModuleWidths& widths) {
    std::vector<uint8_t> bits;
    uint8_t dark = 1;
    for (int w : widths) {
        bits.insert(bits.end(), std::size_t(w), dark);
        dark ^= 1;
    }
    return bits;
}
