#pragma once
#include <string>

// ASCII digits: what every numeric symbology, GS1 field and compaction mode means by a digit
// (never the locale's idea of one).
inline bool IsDigit(unsigned char byte) { return byte >= '0' && byte <= '9'; }

// Index of the first byte from `from` on that is not a digit, or std::string::npos.
inline size_t FirstNonDigit(const std::string& text, size_t from = 0) {
    for (size_t i = from; i < text.size(); ++i)
        if (!IsDigit(static_cast<unsigned char>(text[i]))) return i;
    return std::string::npos;
}

inline bool AllDigits(const std::string& text) { return FirstNonDigit(text) == std::string::npos; }
