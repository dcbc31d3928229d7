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

std::string CompleteGtin14(const std::string& text) { return CompleteGS1CheckDigit(text, 13); }

EncodedSymbol EncodeItf14Symbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, 14);
    const Bearer bearer = BearerFromSetting(options.bearer, BearerKind::Frame);
    const std::string gtin = CompleteGtin14(text);
    EncodedSymbol symbol = OneRowSymbol(EncodeITF(gtin), kBarHeight, kQuietZone, gtin, gtin);
    symbol.face = TextFace::OcrB;
    symbol.bearer = bearer;
    return symbol;
}
