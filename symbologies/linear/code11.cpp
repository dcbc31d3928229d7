#include "symbologies/linear/code11.h"

#include "symbologies/check_digits.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr size_t kMostCharacters = 140;  // as zint

// Five elements per character from bit 4 down: bar, space, bar, space, bar; a 1 bit is wide.
// 0-9, '-', then start/stop.
constexpr unsigned char kPatterns[12] = {0x01, 0x11, 0x09, 0x18, 0x05, 0x14, 0x0C, 0x03, 0x12, 0x10, 0x04, 0x06};

void AppendCharacter(ModuleWidths& widths, char c) {
    if (!widths.empty()) widths.push_back(1);  // inter-character gap
    const unsigned pattern = kPatterns[c == '*' ? 11 : c == '-' ? 10 : c - '0'];
    for (int bit = 4; bit >= 0; --bit) widths.push_back((pattern >> bit) & 1 ? 2 : 1);
}

}  // namespace

EncodedSymbol EncodeCode11Symbol(const std::string& text, const EncodeOptions& options) {
    RefuseEmpty(text);
    RefuseLongerThan(text, kMostCharacters);
    const std::string& check = options.check;
    if (!check.empty() && check != "ck" && check != "c" && check != "none")
        throw EncodeError(EncodeErrorKind::InvalidOption, "check must be ck, c or none, not \"" + check + "\"");
    for (size_t i = 0; i < text.size(); ++i)
        if ((text[i] < '0' || text[i] > '9') && text[i] != '-')
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "characters are 0-9 and -", long(i));
    std::string characters = text;
    if (check != "none") characters += Code11CheckCharacter(characters, 10);
    if (check.empty() || check == "ck") characters += Code11CheckCharacter(characters, 9);
    ModuleWidths widths;
    AppendCharacter(widths, '*');
    for (char c : characters) AppendCharacter(widths, c);
    AppendCharacter(widths, '*');
    // Quiet zone: 10 modules each side, as zint leaves (no published minimum).
    return OneRowSymbol(widths, kLinearBarHeight, 10, characters, characters);
}
