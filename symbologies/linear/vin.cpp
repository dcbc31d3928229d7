#include "symbologies/linear/vin.h"

#include "symbologies/check_digits.h"
#include "symbologies/linear/code39.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr size_t kLength = 17;
constexpr size_t kCheckPosition = 8;

}  // namespace

EncodedSymbol EncodeVinSymbol(const std::string& text, const EncodeOptions&) {
    RefuseLongerThan(text, kLength);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool allowed = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z' && c != 'I' && c != 'O' && c != 'Q');
        if (!allowed)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "characters are 0-9 and A-Z without I, O and Q",
                              long(i));
    }
    if (text.size() != kLength)
        throw EncodeError(EncodeErrorKind::InvalidData,
                          "a VIN has 17 characters, not " + std::to_string(text.size()));
    const char given = text[kCheckPosition];
    if ((given >= '0' && given <= '9') || given == 'X') {
        const char expected = VinCheckDigit(text);
        if (given != expected)
            throw EncodeError(EncodeErrorKind::InvalidData,
                              std::string("check digit '") + given + "' is wrong, expected '" + expected + "'",
                              long(kCheckPosition));
    }
    // Quiet zone: 10 modules each side, as Code 39 (ISO/IEC 16388 4.4).
    return OneRowSymbol(Code39Widths(text, 2), kLinearBarHeight, 10, text, text);
}
