#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// UK Plessey: hexadecimal digits 0-9 A-F, four bits each from the least significant, a 1 bit a
// wide bar and narrow space, a 0 bit the reverse; the 8-bit CRC (x^8+x^7+x^6+x^5+x^3+1) of the
// data bits after them.
EncodedSymbol EncodePlesseySymbol(const std::string& text, const EncodeOptions& options);
