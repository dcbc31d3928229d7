#include "symbologies/health/digit_input.h"

#include "core/model/encode_error.h"
#include "symbologies/symbol_building.h"

DigitInput ReadDigitsWithCheck(const std::string& text, size_t length) {
    RefuseEmpty(text);
    RefuseLongerThan(text, length + 1);
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "only digits can be encoded", long(i));
    if (text.size() == length + 1) return DigitInput{text.substr(0, length), text.back()};
    return DigitInput{std::string(length - text.size(), '0') + text, '\0'};
}

void RefuseWrongCheckDigit(const DigitInput& input, char expected) {
    if (input.given_check == '\0' || input.given_check == expected) return;
    throw EncodeError(EncodeErrorKind::InvalidData,
                      std::string("check digit '") + input.given_check + "' is wrong, expected '" + expected + "'",
                      long(input.digits.size()));
}
