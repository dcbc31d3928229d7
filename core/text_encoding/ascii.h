#pragma once
#include <cstring>

// ASCII letters and small character sets, as symbol character tables and GS1 mean them (never the
// locale's idea of a letter). Digits: digits.h.
inline bool IsUpper(unsigned char byte) { return byte >= 'A' && byte <= 'Z'; }
inline bool IsLower(unsigned char byte) { return byte >= 'a' && byte <= 'z'; }

// Whether c is one of the characters of `set` (never its terminating NUL).
inline bool OneOf(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }
