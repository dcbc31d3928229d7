#include "symbologies/linear/code93_full_ascii.h"

#include "symbologies/linear/code39_variants.h"
#include "symbologies/linear/code93.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr size_t kMostCharacters = 123;  // symbol characters between start and check, as zint

// The byte EncodeCode93 takes for the shift character Code 39's Full ASCII writes as `c`.
char Shift(char c) {
    switch (c) {
        case '$': return '<';
        case '%': return '>';
        case '/': return '?';
        default: return '!';  // '+'
    }
}

}  // namespace

EncodedSymbol EncodeCode93FullAsciiSymbol(const std::string& text, const EncodeOptions&) {
    RefuseEmpty(text);
    RefuseLongerThan(text, kMostCharacters);
    std::string characters;
    std::string printed;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c > 127)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "only ASCII characters can be encoded", long(i));
        const std::string pair = Code39FullAsciiCharacters(c);
        // Code 93 has '$', '%', '/' and '+' of its own: they need no shift.
        if (pair.size() == 2 && c != '$' && c != '%' && c != '/' && c != '+')
            characters += std::string{Shift(pair[0]), pair[1]};
        else
            characters += char(c);
        printed += c < 32 || c == 127 ? ' ' : char(c);
    }
    if (characters.size() > kMostCharacters)
        throw EncodeError(EncodeErrorKind::TooLong,
                          "the data needs " + std::to_string(characters.size()) + " Code 93 characters, at most " +
                              std::to_string(kMostCharacters),
                          -1, long(kMostCharacters));
    // Quiet zone: 10 modules each side (ANSI/AIM BC5-1995 2.4).
    return OneRowSymbol(EncodeCode93(characters), kLinearBarHeight, 10, printed, text);
}
