#pragma once
#include <algorithm>
#include <string>

// ASCII digits: what every numeric symbology, GS1 field and compaction mode means by a digit
// (never the locale's idea of one).
inline bool IsDigit(unsigned char byte) { return byte >= '0' && byte <= '9'; }
inline bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(static_cast<unsigned char>(c)); });
}
