#pragma once
#include <string>

// The index in code points of the byte at `byte_index` of UTF-8 text: what error positions report.
inline long CodePointIndex(const std::string& text, std::size_t byte_index) {
    long index = 0;
    for (std::size_t i = 0; i < byte_index && i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++index;
    return index;
}
