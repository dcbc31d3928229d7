#include "symbologies/matrix/datamatrix.h"

#include <cstdio>
#include <exception>

#include "gs1/element_input.h"
#include "symbologies/matrix/datamatrix_minimal.h"
#include "symbologies/matrix/datamatrix_symbol.h"
#include "symbologies/matrix/matrix_options.h"
#include "symbologies/symbol_building.h"

namespace {

// zint 2.15 takes at most 3116 characters (digits filling 1558 codewords of 144x144).
constexpr size_t kDataMatrixMostCharacters = 3116;
// Quiet zone: 1 module all round (ISO/IEC 16022 7.1).
constexpr double kDataMatrixQuiet = 1;

int SizeOption(const std::string& size) {
    if (size.empty() || size == "auto") return kDataMatrixAutoSize;
    const int index = DataMatrixSizeIndex(size);
    if (index == kDataMatrixAutoSize)
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "size \"" + size + "\" is not a Data Matrix size such as 10x10 or 8x18");
    return index;
}

// The shape an automatic size takes; a given size must be of the shape asked for, if any.
DataMatrixShape ShapeOption(const std::string& shape, int size) {
    DataMatrixShape found;
    if (shape == "any") found = DataMatrixShape::kAny;
    else if (shape == "square") found = DataMatrixShape::kSquare;
    else if (shape == "rectangle") found = DataMatrixShape::kRectangle;
    else throw EncodeError(EncodeErrorKind::InvalidOption, "shape \"" + shape + "\" is not any, square or rectangle");
    if (size != kDataMatrixAutoSize && found != DataMatrixShape::kAny &&
        IsSquareDataMatrixSize(size) != (found == DataMatrixShape::kSquare))
        throw EncodeError(EncodeErrorKind::InvalidOption, "size \"" + DataMatrixSizeName(size) + "\" is not a " +
                                                              shape + ": give shape \"any\" or leave size auto");
    return found;
}

DataMatrixScheme SchemeOption(const std::string& scheme) {
    std::string upper = scheme;
    for (char& c : upper) c = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
    const DataMatrixScheme found = DataMatrixSchemeFromName(upper);
    if (found == DataMatrixScheme::kAuto && upper != "AUTO")
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "scheme \"" + scheme + "\" is not auto, ascii, c40, text, x12, edifact or base256");
    return found;
}

}  // namespace

EncodedSymbol EncodeDataMatrixSymbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, kDataMatrixMostCharacters);
    const int size = SizeOption(options.size);
    const DataMatrixShape shape = ShapeOption(options.shape, size);
    const DataMatrixScheme scheme = SchemeOption(options.scheme);
    RefuseEmpty(text);
    const std::string bytes = MatrixTextBytes(text, options.encoding);
    // "auto": the fewest codewords over every encodation, so the smallest symbol.
    const ModuleMatrix matrix = scheme == DataMatrixScheme::kAuto
                                    ? EncodeDataMatrixMinimalSymbol(bytes, false, size, shape)
                                    : EncodeDataMatrix(bytes, scheme, size, shape);
    return MatrixSymbol(matrix, 1, kDataMatrixQuiet, text);
}

EncodedSymbol EncodeGS1DataMatrixSymbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, kDataMatrixMostCharacters);
    const int size = SizeOption(options.size);
    const DataMatrixShape shape = ShapeOption(options.shape, size);
    RefuseEmpty(text);
    const std::vector<GS1Element> elements = ReadGS1Input(text, options.gs1_validate);
    const ModuleMatrix matrix = EncodeDataMatrixMinimalSymbol(GS1Data(elements, '\x1d'), true, size, shape);
    return MatrixSymbol(matrix, 1, kDataMatrixQuiet, GS1HumanReadable(elements));
}
