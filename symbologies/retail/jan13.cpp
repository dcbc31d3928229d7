#include "symbologies/retail/jan13.h"

#include "gs1/check_digit.h"
#include "symbologies/retail/ean_upc_digits.h"
#include "symbologies/retail/ean_upc_symbol.h"
#include "symbologies/retail/light_margin_indicators.h"
#include "symbologies/symbol_building.h"

namespace {

// Which of the six left-half digits use set G, by leading digit; the first digit is bit 5.
constexpr unsigned char kLeadingParity[10] = {0x00, 0x0B, 0x0D, 0x0E, 0x13, 0x19, 0x1C, 0x15, 0x16, 0x1A};

}  // namespace

std::string CompleteJan13(const std::string& code) { return CompleteWithCheckDigit(code, "Jan13", 12); }

ModuleWidths EncodeJan13(const std::string& code) {
    const std::string digits = CompleteJan13(code);
    return EncodeTwoHalves(digits.substr(1, 6), kLeadingParity[digits[0] - '0'], digits.substr(7, 6));
}

EncodedSymbol EncodeJan13Symbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, 13);
    const std::string digits = CompleteGS1CheckDigit(text, 12);
    // Quiet zones 11 and 7 modules (ISO/IEC 15420 5.2.4); nominal bar height 22.85 mm at X = 0.33 mm.
    // Digits 2-7 and 8-13 under their own characters; the leading digit in the left quiet zone,
    // its ink from -9.5 to -5 modules as zint prints it.
    static constexpr EanUpcTextPlan kPlan{
        11, 7, 69, {{0, 3}, {45, 50}, {92, 95}}, 3, {{1, 6, 3, 42}, {7, 6, 50, 42}}, 2, true, -7.25, false, 0,
    };
    EncodedSymbol symbol = EanUpcSymbol(EncodeJan13(digits), digits, kPlan, options.extended_guard);
    AddLightMarginIndicators(symbol, AddOnHost::Ean13);
    return symbol;
}
