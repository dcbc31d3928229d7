#include "symbologies/linear/two_of_five.h"

#include "gs1/check_digit.h"
#include "symbologies/symbol_building.h"

namespace {

// Five elements from bit 4 down; a set bit is wide (the 2 of 5 table: 1 is wide, narrow x 3, wide).
constexpr unsigned char kDigitCodes[10] = {
    0b00110, 0b10001, 0b01001, 0b11000, 0b00101, 0b10100, 0b01100, 0b00011, 0b10010, 0b01010,
};

struct Layout {
    ModuleWidths start;  // from a bar
    ModuleWidths stop;   // from a bar, after the narrow space that ends the last digit
    bool bars_only;      // five bars a digit, every space narrow; else bar, space, bar, space, bar
    size_t most_digits;  // as zint
};

EncodedSymbol TwoOfFiveSymbol(const std::string& text, const EncodeOptions& options, const Layout& layout) {
    RefuseEmpty(text);
    RefuseLongerThan(text, layout.most_digits);
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "only digits can be encoded", long(i));
    if (!options.check.empty() && options.check != "none" && options.check != "mod10")
        throw EncodeError(EncodeErrorKind::InvalidOption, "check must be none or mod10, not \"" + options.check + "\"");
    const std::string digits = options.check == "mod10" ? text + GS1CheckDigit(text) : text;
    ModuleWidths widths = layout.start;
    for (char c : digits) {
        const unsigned code = kDigitCodes[c - '0'];
        for (int bit = 4; bit >= 0; --bit) {
            const int width = (code >> bit) & 1 ? 3 : 1;
            if (layout.bars_only) {
                widths.insert(widths.end(), {width, 1});
            } else {
                widths.push_back(width);
                if (bit == 0) widths.push_back(1);  // the gap between digits
            }
        }
    }
    widths.insert(widths.end(), layout.stop.begin(), layout.stop.end());
    // No published standard: the quiet zone is ITF's, 10 modules each side.
    return OneRowSymbol(widths, kLinearBarHeight, 10, digits, digits);
}

}  // namespace

EncodedSymbol EncodeIndustrial2of5Symbol(const std::string& text, const EncodeOptions& options) {
    static const Layout kIndustrial = {{3, 1, 3, 1, 1, 1}, {3, 1, 1, 1, 3}, true, 79};
    return TwoOfFiveSymbol(text, options, kIndustrial);
}

EncodedSymbol EncodeIata2of5Symbol(const std::string& text, const EncodeOptions& options) {
    static const Layout kIata = {{1, 1, 1, 1}, {3, 1, 1}, true, 80};
    return TwoOfFiveSymbol(text, options, kIata);
}

EncodedSymbol EncodeDataLogic2of5Symbol(const std::string& text, const EncodeOptions& options) {
    static const Layout kDataLogic = {{1, 1, 1, 1}, {3, 1, 1}, false, 113};
    return TwoOfFiveSymbol(text, options, kDataLogic);
}
