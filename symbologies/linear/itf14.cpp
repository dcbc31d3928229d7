#include "symbologies/linear/itf14.h"

#include "core/model/code_points.h"
#include "core/model/encode_error.h"
#include "core/model/module_bits.h"
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
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "ITF-14 requires digits only",
                              CodePointIndex(text, i));
    if (text.size() == 13) return text + GS1CheckDigit(text);
    if (text.size() != 14) throw EncodeError(EncodeErrorKind::InvalidData, "ITF-14 requires 13 or 14 digits");
    if (text[13] != GS1CheckDigit(text.substr(0, 13)))
        throw EncodeError(EncodeErrorKind::InvalidData, "Invalid check digit", 13);
    return text;
}

EncodedSymbol EncodeItf14(const std::string& text, const std::string& bearer_setting) {
    const Bearer bearer = BearerFromSetting(bearer_setting, BearerKind::Frame);
    const std::string gtin = CompleteGtin14(text);
    EncodedSymbol symbol;
    SymbolRow bars;
    bars.modules = ModuleBits(EncodeITF(gtin));
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
