#include "symbologies/health/code32.h"

#include "symbologies/check_digits.h"
#include "symbologies/health/digit_input.h"
#include "symbologies/linear/code39.h"
#include "symbologies/symbol_building.h"

namespace {

// The base-32 digits: 0-9 and the consonants.
constexpr char kBase32[] = "0123456789BCDFGHJKLMNPQRSTUVWXYZ";

}  // namespace

EncodedSymbol EncodeCode32Symbol(const std::string& text, const EncodeOptions&) {
    const DigitInput input = ReadDigitsWithCheck(text, 8);
    const char check = Code32CheckDigit(input.digits);
    RefuseWrongCheckDigit(input, check);
    const std::string number = input.digits + check;
    unsigned long value = std::stoul(number);
    std::string characters(6, '0');
    for (size_t i = 6; i-- > 0; value /= 32) characters[i] = kBase32[value % 32];
    // Quiet zone: 10 modules each side, as Code 39 (ISO/IEC 16388 4.4).
    return OneRowSymbol(Code39Widths(characters, 2), kLinearBarHeight, 10, "A" + number, "A" + number);
}
