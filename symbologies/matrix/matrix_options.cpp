#include "symbologies/matrix/matrix_options.h"

#include "core/text_encoding/shift_jis.h"
#include "symbologies/symbol_building.h"

std::string MatrixTextBytes(const std::string& text, const std::string& encoding) {
    if (encoding != "utf-8" && encoding != "shift_jis")
        throw EncodeError(EncodeErrorKind::InvalidOption, "encoding \"" + encoding + "\" is not utf-8 or shift_jis");
    std::string bytes = ConvertStringEncoding(text, encoding);
    // The conversion stops at a zero byte, so text can come out empty.
    if (bytes.empty())
        throw EncodeError(EncodeErrorKind::InvalidData, "the data is empty once converted to " + encoding);
    return bytes;
}
