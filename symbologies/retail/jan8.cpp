#include "symbologies/retail/jan8.h"

#include "symbologies/retail/ean_upc_digits.h"

namespace {

constexpr EanUpcSymbology kJan8{
    "[Jan8]", &CompleteJan8, &EncodeJan8,
    {3, 31, 36, 64},  // start guard | digits 1-4 | centre guard | digits 5-8 | end guard
    0.0f, false, 0.275f,
    2, {{0, 4, 0, 1}, {4, 4, 2, 3}}, 0.0f,
    false, false, true,
};

}  // namespace

std::string CompleteJan8(const std::string& code) { return CompleteWithCheckDigit(code, "Jan8", 7); }

ModuleWidths EncodeJan8(const std::string& code) {
    const std::string digits = CompleteJan8(code);
    return EncodeTwoHalves(digits.substr(0, 4), 0, digits.substr(4, 4));
}

Jan8::Jan8(std::string output_format) : EanUpcBarcode(std::move(output_format), kJan8) {}
