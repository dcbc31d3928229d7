#include "symbologies/linear/itf14.h"

#include "core/model/encode_error.h"
#include "symbologies/symbol_building.h"
#include "gs1/check_digit.h"
#include "symbologies/linear/bearer_setting.h"
#include "symbologies/linear/itf.h"

namespace {

constexpr double kQuietZone = 10.0;
// GS1 asks at least 31.75 mm: 50 modules reach it from a module of 0.635 mm up.
constexpr double kBarHeight = 50.0;

}  // namespace

std::string CompleteGtin14(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "digits only",
                              long(i));
    if (text.size() == 13) return text + GS1CheckDigit(text);
    if (text.size() != 14) throw EncodeError(EncodeErrorKind::InvalidData, "13 or 14 digits required");
    if (text[13] != GS1CheckDigit(text.substr(0, 13)))
        throw EncodeError(EncodeErrorKind::InvalidData, "Invalid check digit", 13);
    return text;
}

EncodedSymbol EncodeItf14Symbol(const std::string& text, const EncodeOptions& options) {
    const Bearer bearer = BearerFromSetting(options.bearer, BearerKind::Frame);
    const std::string gtin = CompleteGtin14(text);
    EncodedSymbol symbol;
    SymbolRow bars;
    bars.modules = ModulesOfWidths(EncodeITF(gtin));
    symbol.width = int(bars.modules.size());
    symbol.rows.push_back(bars);
    symbol.bar_height = kBarHeight;
    TextSpan digits;
    digits.text = gtin;
    digits.center_x = symbol.width / 2.0;
    symbol.text.push_back(digits);
    symbol.face = TextFace::OcrB;
    symbol.bearer = bearer;
    symbol.quiet_zone = {kQuietZone, 0.0, kQuietZone, 0.0};
    symbol.full_text = gtin;
    return symbol;
}
