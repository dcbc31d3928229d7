#include "symbologies/matrix/matrix_options.h"

#include "core/text_encoding/shift_jis.h"
#include "symbologies/symbol_building.h"

std::string MatrixTextBytes(const std::string& text, const std::string& encoding) {
    if (encoding != "utf-8" && encoding != "shift_jis")
        Raise(EncodeErrorKind::InvalidOption, "encoding \"" + encoding + "\" is not utf-8 or shift_jis");
    return ConvertStringEncoding(text, encoding);
}
