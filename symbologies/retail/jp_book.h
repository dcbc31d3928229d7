#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// The Japanese book code in two EAN-13 symbols, one above the other with their left edges aligned:
// the upper carries the ISBN, the lower 192 + the 4-digit classification (C code) + the 5-digit price
// before tax (00000 from 100000 yen up) + check digit. No guard bar reaches into the text; the 13
// digits stand under each symbol, and the code's text line above the upper one:
// "ISBN978-4-00-326184-2 C0197 ¥940E" (the ISBN hyphenated as in ParseIsbn's caption), in Roboto.
// Input is the code as printed on the book: "ISBN978-4-00-326184-2 C0197 ¥940E" (ISBN in any form
// ParseIsbn takes; the yen sign ¥, ￥ or '\' and the final 'E' may be left out).

struct JpBookCodes {
    std::string upper;  // the ISBN's EAN-13
    std::string lower;  // 192...
    std::string caption;
};

JpBookCodes ParseJpBook(const std::string& text);
EncodedSymbol EncodeJpBookSymbol(const std::string& text, const EncodeOptions& options);
