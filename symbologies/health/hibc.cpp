#include "symbologies/health/hibc.h"

#include <cstring>

#include "symbologies/check_digits.h"
#include "symbologies/linear/code128.h"
#include "symbologies/linear/code39.h"
#include "symbologies/matrix/datamatrix.h"
#include "symbologies/matrix/micropdf417.h"
#include "symbologies/matrix/pdf417.h"
#include "symbologies/matrix/qr.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr char kHibcCharacters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
// Data characters zint takes in Code 128 and the 2D carriers; Code 39 holds fewer.
constexpr size_t kMostData = 110;
constexpr size_t kMostDataCode39 = 68;

// A linear carrier's symbol with the HIBC string printed between '*', as the standard shows it.
EncodedSymbol Printed(EncodedSymbol symbol, const std::string& hibc) {
    symbol.text.at(0).text = "*" + hibc + "*";
    symbol.full_text = hibc;
    return symbol;
}

}  // namespace

std::string HibcString(const std::string& text, size_t limit) {
    RefuseEmpty(text);
    const bool whole = text[0] == '+';
    RefuseLongerThan(text, whole ? limit + 2 : limit);
    std::string hibc = whole ? "" : "+";
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'a' && text[i] <= 'z' ? char(text[i] - 'a' + 'A') : text[i];
        if (c == '\0' || std::strchr(kHibcCharacters, c) == nullptr)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "characters are 0-9, A-Z, space and - . $ / + %",
                              long(i));
        hibc += c;
    }
    if (!whole) return hibc + Mod43CheckCharacter(hibc);
    if (hibc.size() < 3)
        throw EncodeError(EncodeErrorKind::InvalidData, "'+', the data and the check character: data missing");
    const char expected = Mod43CheckCharacter(hibc.substr(0, hibc.size() - 1));
    if (hibc.back() != expected)
        throw EncodeError(EncodeErrorKind::InvalidData,
                          std::string("check character '") + hibc.back() + "' is wrong, expected '" + expected + "'",
                          long(text.size() - 1));
    return hibc;
}

EncodedSymbol EncodeHibc128Symbol(const std::string& text, const EncodeOptions& options) {
    const std::string hibc = HibcString(text, kMostData);
    return Printed(EncodeCode128Symbol(hibc, options), hibc);
}

EncodedSymbol EncodeHibc39Symbol(const std::string& text, const EncodeOptions&) {
    const std::string hibc = HibcString(text, kMostDataCode39);
    // Wide elements 3 modules, as zint draws HIBC; quiet zone 10 modules (ISO/IEC 16388 4.4).
    return OneRowSymbol(Code39Widths(hibc, 3), kLinearBarHeight, 10, "*" + hibc + "*", hibc);
}

EncodedSymbol EncodeHibcDataMatrixSymbol(const std::string& text, const EncodeOptions& options) {
    return EncodeDataMatrixSymbol(HibcString(text, kMostData), options);
}

EncodedSymbol EncodeHibcQrSymbol(const std::string& text, const EncodeOptions& options) {
    return EncodeQrSymbol(HibcString(text, kMostData), options);
}

EncodedSymbol EncodeHibcPdf417Symbol(const std::string& text, const EncodeOptions& options) {
    return EncodePdf417Symbol(HibcString(text, kMostData), options);
}

EncodedSymbol EncodeHibcMicroPdf417Symbol(const std::string& text, const EncodeOptions& options) {
    return EncodeMicroPdf417(HibcString(text, kMostData), options);
}
