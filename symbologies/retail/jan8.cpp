#include "symbologies/retail/jan8.h"

#include "gs1/check_digit.h"
#include "symbologies/retail/ean_upc_digits.h"
#include "symbologies/retail/ean_upc_symbol.h"
#include "symbologies/retail/light_margin_indicators.h"
#include "symbologies/symbol_building.h"

std::string CompleteJan8(const std::string& code) { return CompleteWithCheckDigit(code, "Jan8", 7); }

ModuleWidths EncodeJan8(const std::string& code) {
    const std::string digits = CompleteJan8(code);
    return EncodeTwoHalves(digits.substr(0, 4), 0, digits.substr(4, 4));
}

EncodedSymbol EncodeJan8Symbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, 8);
    const std::string digits = CompleteGS1CheckDigit(text, 7);
    // Quiet zones 7 modules each side (ISO/IEC 15420 5.2.4); nominal bar height 18.23 mm at
    // X = 0.33 mm. Two groups of four digits, none outside.
    static constexpr EanUpcTextPlan kPlan{
        7, 7, 55, {{0, 3}, {31, 36}, {64, 67}}, 3, {{0, 4, 3, 28}, {4, 4, 36, 28}}, 2, false, 0, false, 0,
    };
    EncodedSymbol symbol = EanUpcSymbol(EncodeJan8(digits), digits, kPlan, options.extended_guard);
    AddLightMarginIndicators(symbol, AddOnHost::Ean8);
    return symbol;
}
