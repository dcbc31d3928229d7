#include "symbologies/health/pzn.h"

#include "symbologies/check_digits.h"
#include "symbologies/health/digit_input.h"
#include "symbologies/linear/code39.h"
#include "symbologies/symbol_building.h"

EncodedSymbol EncodePznSymbol(const std::string& text, const EncodeOptions& options) {
    const size_t length = options.pzn7 ? 6 : 7;
    const DigitInput input = ReadDigitsWithCheck(text, length);
    const int check = PznCheckValue(input.digits);
    if (check == 10)
        throw EncodeError(EncodeErrorKind::InvalidData,
                          "the check value of " + input.digits + " is 10: no PZN is issued with it");
    RefuseWrongCheckDigit(input, char('0' + check));
    const std::string number = input.digits + char('0' + check);
    // Quiet zone: 10 modules each side, as Code 39 (ISO/IEC 16388 4.4).
    return OneRowSymbol(Code39Widths("-" + number, 2), kLinearBarHeight, 10, "PZN - " + number, number);
}
