#include "symbologies/matrix/pdf417.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "symbologies/matrix/matrix_options.h"
#include "symbologies/symbol_building.h"

EncodedSymbol EncodePdf417Symbol(const std::string& text, const EncodeOptions& options) {
    // zint 2.15 takes at most 2710 characters (digits filling the codewords).
    RefuseLongerThan(text, 2710);
    const auto refuse = [](const std::string& what) { throw EncodeError(EncodeErrorKind::InvalidOption, what); };
    Pdf417Settings settings;
    if (options.error_level < -1 || options.error_level > 8) refuse("error_level must be 0 to 8 (-1: from the data)");
    settings.auto_error_level = options.error_level < 0;
    settings.error_level = settings.auto_error_level ? settings.error_level : options.error_level;
    if (options.columns < 0 || options.columns > 30) refuse("columns must be 1 to 30 (0: automatic)");
    settings.columns = options.columns;
    if (options.rows != 0 && (options.rows < 3 || options.rows > 90)) refuse("rows must be 3 to 90 (0: automatic)");
    settings.rows = options.rows;
    if (options.columns > 0 && options.rows > 0 && options.columns * options.rows > 928)
        refuse("columns x rows = " + std::to_string(options.columns * options.rows) +
               " is more than the 928 codewords a PDF417 symbol holds");
    if (options.aspect_ratio != 0 && !(options.aspect_ratio >= 0.001 && options.aspect_ratio <= 1000))
        refuse("aspect_ratio must be 0.001 to 1000 (0: the usual 0.5)");
    if (options.aspect_ratio != 0) settings.aspect_ratio = options.aspect_ratio;
    if (!(options.row_height >= 1 && options.row_height <= 100)) refuse("row_height must be 1 to 100 modules");
    RefuseEmpty(text);
    const std::string bytes = MatrixTextBytes(text, options.encoding);
    try {
        // Quiet zone: 2 modules all round (ISO/IEC 15438 5.8.3).
        return MatrixSymbol(Pdf417Encoder(settings).Encode(bytes), options.row_height, 2, text);
    } catch (const std::out_of_range&) {
        // A symbol holds 928 codewords; fixed columns or rows hold columns x rows (90 rows, 30 columns
        // at most).
        const long columns = settings.columns > 0 ? settings.columns : 30;
        const long rows = settings.rows > 0 ? settings.rows : 90;
        const long capacity = std::min(928L, columns * rows);
        throw EncodeError(EncodeErrorKind::TooLong,
                          "the data does not fit: " + std::to_string(capacity) +
                              " codewords at most with these settings, error correction included",
                          -1, capacity);
    }
}
