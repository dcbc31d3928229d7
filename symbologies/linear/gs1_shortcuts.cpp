#include "symbologies/linear/gs1_shortcuts.h"

#include "gs1/check_digit.h"
#include "symbologies/health/digit_input.h"
#include "symbologies/linear/gs1_128.h"

namespace {

EncodedSymbol KeySymbol(const std::string& ai, const std::string& text, size_t length, const EncodeOptions& options) {
    const DigitInput input = ReadDigitsWithCheck(text, length);
    const char check = GS1CheckDigit(input.digits);
    RefuseWrongCheckDigit(input, check);
    return EncodeGS1_128Symbol("(" + ai + ")" + input.digits + check, options);
}

}  // namespace

EncodedSymbol EncodeEan14Symbol(const std::string& text, const EncodeOptions& options) {
    return KeySymbol("01", text, 13, options);
}

EncodedSymbol EncodeSscc18Symbol(const std::string& text, const EncodeOptions& options) {
    return KeySymbol("00", text, 17, options);
}
