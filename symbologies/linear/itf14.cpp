#include "symbologies/linear/itf14.h"

#include "core/model/encode_error.h"
#include "core/text_encoding/digits.h"
#include "gs1/check_digit.h"
#include "symbologies/linear/bearer_setting.h"
#include "symbologies/linear/itf.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr double kQuietZone = 10.0;
// GS1 asks at least 31.75 mm: 50 modules reach it from a module of 0.635 mm up.
constexpr double kBarHeight = 50.0;

}  // namespace

std::string CompleteGtin14(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!IsDigit(text[i])) throw EncodeError(EncodeErrorKind::InvalidCharacter, "digits only", long(i));
    if (text.size() == 13) return text + GS1CheckDigit(text);
    if (text.size() != 14) throw EncodeError(EncodeErrorKind::InvalidData, "13 or 14 digits required");
    if (text[13] != GS1CheckDigit(text.substr(0, 13)))
        throw EncodeError(EncodeErrorKind::InvalidData, "Invalid check digit", 13);
    return text;
}

EncodedSymbol EncodeItf14Symbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, 14);
    const Bearer bearer = BearerFromSetting(options.bearer, BearerKind::Frame);
    const std::string gtin = CompleteGtin14(text);
    EncodedSymbol symbol = OneRowSymbol(EncodeITF(gtin), kBarHeight, kQuietZone, gtin, gtin);
    symbol.face = TextFace::OcrB;
    symbol.bearer = bearer;
    return symbol;
}
