#include "gs1/check_digit.h"

#include "core/model/encode_error.h"
#include "core/text_encoding/digits.h"

char GS1CheckDigit(const std::string& digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return char('0' + (10 - sum % 10) % 10);
}

std::string WrongCheckDigit(char given, char expected) {
    return std::string("check digit '") + given + "' is wrong: expected '" + expected + "'";
}

std::string CompleteGS1CheckDigit(const std::string& code, std::size_t data_length, std::size_t first) {
    for (std::size_t i = 0; i < code.size(); ++i)
        if (!IsDigit(code[i])) throw EncodeError(EncodeErrorKind::InvalidCharacter, "digits only", long(first + i));
    if (code.size() == data_length) return code + GS1CheckDigit(code);
    if (code.size() != data_length + 1)
        throw EncodeError(EncodeErrorKind::InvalidData, std::to_string(data_length) + " or " +
                                                            std::to_string(data_length + 1) + " digits required, not " +
                                                            std::to_string(code.size()));
    const char expected = GS1CheckDigit(code.substr(0, data_length));
    if (code.back() != expected)
        throw EncodeError(EncodeErrorKind::InvalidData, WrongCheckDigit(code.back(), expected),
                          long(first + data_length));
    return code;
}
