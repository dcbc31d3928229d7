#include "symbologies/linear/nec2of5.h"

#include "symbologies/linear/matrix2of5.h"
#include "symbologies/symbol_building.h"

ModuleWidths EncodeNEC2of5(const std::string& code) {
    return EncodeMatrixTwoOfFive(code, "NEC 2 of 5 barcode requires numeric digits only");
}

EncodedSymbol EncodeNEC2of5Symbol(const std::string& text, const EncodeOptions&) {
    // The Matrix 2 of 5 layout, with its limit (zint 2.15: 112 digits).
    RefuseLongerThan(text, 112);
    // No published standard: the quiet zone is ITF's, 10 modules each side.
    return OneRowSymbol(EncodeNEC2of5(text), kLinearBarHeight, 10, text, text);
}
