#include "symbologies/linear/matrix2of5.h"

#include "core/text_encoding/digits.h"
#include "symbologies/symbol_building.h"

namespace {

// Bar, space, bar, space, bar from bit 4 down; a set bit is wide. Two of the five are wide.
constexpr unsigned char kDigitCodes[10] = {
    0b11000, 0b00011, 0b00101, 0b00110, 0b01001, 0b01010, 0b01100, 0b10001, 0b10010, 0b10100,
};
constexpr int kStart[] = {3, 1, 3, 1};
// After the last digit's bar: a narrow space, a wide bar and a trailing wide space.
constexpr int kEnd[] = {1, 3, 3};

}  // namespace

ModuleWidths EncodeMatrixTwoOfFive(const std::string& code, const char* non_digit_message) {
    if (code.empty()) throw EncodeError(EncodeErrorKind::InvalidData, "Empty string");
    for (size_t i = 0; i < code.size(); ++i)
        if (!IsDigit(code[i])) throw EncodeError(EncodeErrorKind::InvalidCharacter, non_digit_message, long(i));

    ModuleWidths out(std::begin(kStart), std::end(kStart));
    out.reserve(6 * code.size() + 6);
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (i > 0) out.push_back(1);  // gap between digits
        const unsigned digit_code = kDigitCodes[code[i] - '0'];
        for (int bit = 4; bit >= 0; --bit) out.push_back((digit_code >> bit) & 1 ? 3 : 1);
    }
    out.insert(out.end(), std::begin(kEnd), std::end(kEnd));
    return out;
}

ModuleWidths EncodeMatrix2of5(const std::string& code) {
    return EncodeMatrixTwoOfFive(code, "Matrix 2 of 5 barcode requires numeric digits only");
}

EncodedSymbol EncodeMatrix2of5Symbol(const std::string& text, const EncodeOptions&) {
    // zint 2.15 takes at most 112 digits of this layout (its "standard" 2 of 5; it refuses 113).
    RefuseLongerThan(text, 112);
    // No published standard: the quiet zone is ITF's, 10 modules each side.
    return OneRowSymbol(EncodeMatrix2of5(text), kLinearBarHeight, 10, text, text);
}
