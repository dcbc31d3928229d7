#include "symbologies/linear/nec2of5.h"

#include "symbologies/linear/matrix2of5.h"

ModuleWidths EncodeNEC2of5(const std::string& code) {
    return EncodeMatrixTwoOfFive(code, "NEC 2 of 5 barcode requires numeric digits only");
}

bool NEC2of5::Draw(const std::string& code, int x, int y, int width, int height) {
    if (IsSvgMode()) return DrawSvg(code, x, y, width, height);
    return DrawSymbol(code, x, y, width, height);
}

bool NEC2of5::DrawSvg(const std::string& code, int x, int y, int width, int height) {
    return DrawSymbol(code, x, y, width, height);
}

bool NEC2of5::DrawSymbol(const std::string& code, int x, int y, int width, int height) {
    return DrawStandard(
        "[NEC2of5]", x, y, width, height, [&] { return EncodeNEC2of5(code); }, [&] { return code; });
}
