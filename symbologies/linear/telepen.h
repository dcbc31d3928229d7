#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Telepen: ASCII characters of 8 bits (even parity in the top bit), least significant bit first,
// between the start '_' and the stop 'z', with the modulo 127 check character; the bits are drawn
// as one stream: "1" a narrow bar and narrow space, "00" wide bar narrow space, "010" wide bar wide
// space, and "01", "10" around longer runs of ones narrow bar wide space (wide = 3 modules).
EncodedSymbol EncodeTelepenSymbol(const std::string& text, const EncodeOptions& options);
// Telepen numeric: digits in pairs (ASCII 27-126), a last pair "nX" as ASCII 17-26; an odd count
// of characters gets a leading '0'.
EncodedSymbol EncodeTelepenNumericSymbol(const std::string& text, const EncodeOptions& options);
