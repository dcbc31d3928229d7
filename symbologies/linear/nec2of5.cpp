#include "symbologies/linear/nec2of5.h"

#include "symbologies/linear/matrix2of5.h"

ModuleWidths EncodeNEC2of5(const std::string& code) {
    return EncodeMatrixTwoOfFive(code, "NEC 2 of 5 barcode requires numeric digits only");
}
