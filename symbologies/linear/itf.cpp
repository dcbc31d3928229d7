#include "symbologies/linear/itf.h"

#include "core/text_encoding/digits.h"
#include "symbologies/linear/bearer_setting.h"
#include "symbologies/symbol_building.h"

namespace {

// Five elements per digit, bit 4 first; a set bit is wide.
constexpr unsigned char kDigitCodes[10] = {
    0b00110, 0b10001, 0b01001, 0b11000, 0b00101, 0b10100, 0b01100, 0b00011, 0b10010, 0b01010,
};
constexpr int kStart[] = {1, 1, 1, 1};
constexpr int kStop[] = {3, 1, 1};

int Width(unsigned code, int element) { return (code >> (4 - element)) & 1 ? 3 : 1; }

}  // namespace

ModuleWidths EncodeITF(const std::string& code) {
    if (code.empty()) throw EncodeError(EncodeErrorKind::InvalidData, "Empty string");
    for (size_t i = 0; i < code.size(); ++i)
        if (!IsDigit(code[i]))
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "ITF barcode requires numeric digits only", long(i));
    const std::string digits = code.size() % 2 ? '0' + code : code;

    ModuleWidths out(std::begin(kStart), std::end(kStart));
    out.reserve(5 * digits.size() + 7);
    // The first digit of a pair is drawn in the bars, the second in the spaces between them.
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const unsigned in_bars = kDigitCodes[digits[i] - '0'];
        const unsigned in_spaces = kDigitCodes[digits[i + 1] - '0'];
        for (int element = 0; element < 5; ++element) {
            out.push_back(Width(in_bars, element));
            out.push_back(Width(in_spaces, element));
        }
    }
    out.insert(out.end(), std::begin(kStop), std::end(kStop));
    return out;
}

EncodedSymbol EncodeITFSymbol(const std::string& text, const EncodeOptions& options) {
    // zint 2.15 takes at most 125 digits (it refuses 126).
    RefuseLongerThan(text, 125);
    const ModuleWidths widths = EncodeITF(text);
    // Quiet zone: 10 modules each side (ISO/IEC 16390 4.4). An odd count carries a leading zero.
    EncodedSymbol symbol = OneRowSymbol(widths, kLinearBarHeight, 10, text, text.size() % 2 ? '0' + text : text);
    symbol.bearer = BearerFromSetting(options.bearer, BearerKind::None);
    return symbol;
}
