#include "symbologies/retail/upc_a.h"

#include "gs1/check_digit.h"
#include "symbologies/retail/ean_upc_digits.h"
#include "symbologies/retail/ean_upc_symbol.h"
#include "symbologies/symbol_building.h"

std::string CompleteUpcA(const std::string& code) { return CompleteWithCheckDigit(code, "UPC-A", 11); }

ModuleWidths EncodeUpcA(const std::string& code) {
    const std::string digits = CompleteUpcA(code);
    return EncodeTwoHalves(digits.substr(0, 6), 0, digits.substr(6, 6));
}

EncodedSymbol EncodeUpcASymbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, 12);
    const std::string digits = CompleteGS1CheckDigit(text, 11);
    // Quiet zones 9 modules each side (ISO/IEC 15420 5.2.4). The first and last symbol characters
    // descend with the guards; their digits stand outside, 4 modules wide at most, ending 5
    // modules before the bars (zint: 4 after them on the right, clear of an add-on).
    static constexpr EanUpcTextPlan kPlan{
        9, 9, 69, {{0, 10}, {45, 50}, {85, 95}}, 3, {{1, 5, 10, 35}, {6, 5, 50, 35}}, 2, true, -7, true, 101,
    };
    return EanUpcSymbol(EncodeUpcA(digits), digits, kPlan, options.extended_guard);
}
