#include "symbologies/linear/code39_variants.h"

#include <cstring>

#include "symbologies/check_digits.h"
#include "symbologies/linear/code39.h"
#include "symbologies/symbol_building.h"

namespace {

// ISO/IEC 16388 Annex A: the Code 39 characters of each ASCII character.
const char* const kFullAscii[128] = {
    "%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G", "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O",
    "$P", "$Q", "$R", "$S", "$T", "$U", "$V", "$W", "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E",
    " ",  "/A", "/B", "/C", "/D", "/E", "/F", "/G", "/H", "/I", "/J", "/K", "/L", "-",  ".",  "/O",
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "/Z", "%F", "%G", "%H", "%I", "%J",
    "%V", "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "I",  "J",  "K",  "L",  "M",  "N",  "O",
    "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  "X",  "Y",  "Z",  "%K", "%L", "%M", "%N", "%O",
    "%W", "+A", "+B", "+C", "+D", "+E", "+F", "+G", "+H", "+I", "+J", "+K", "+L", "+M", "+N", "+O",
    "+P", "+Q", "+R", "+S", "+T", "+U", "+V", "+W", "+X", "+Y", "+Z", "%P", "%Q", "%R", "%S", "%T",
};

// What plain Code 39 writes directly ('*' is start and stop only).
constexpr char kCode39Characters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// Symbol characters between start and stop, as many as zint takes.
constexpr size_t kMaxCharacters = 86;
constexpr size_t kLogmarsMaxCharacters = 30;  // MIL-STD-1189B

bool WantsCheck(const std::string& check) {
    if (check.empty() || check == "none") return false;
    if (check == "mod43") return true;
    throw EncodeError(EncodeErrorKind::InvalidOption, "check must be none or mod43, not \"" + check + "\"");
}

// The symbol's characters with the check character when asked, in Code 39 with `wide` elements;
// the printed line is `printed` followed by the check character.
EncodedSymbol Code39Symbol(std::string characters, std::string printed, bool check, int wide) {
    if (check) {
        const char c = Mod43CheckCharacter(characters);
        characters += c;
        printed += c;
    }
    if (characters.size() > kMaxCharacters)
        throw EncodeError(EncodeErrorKind::TooLong,
                          "the data needs " + std::to_string(characters.size()) + " Code 39 characters, at most " +
                              std::to_string(kMaxCharacters),
                          -1, long(kMaxCharacters));
    // Quiet zone: 10 modules each side (ISO/IEC 16388 4.4).
    return OneRowSymbol(Code39Widths(characters, wide), kLinearBarHeight, 10, printed, printed);
}

}  // namespace

const char* Code39FullAsciiCharacters(unsigned char c) { return kFullAscii[c]; }

EncodedSymbol EncodeCode39FullAsciiSymbol(const std::string& text, const EncodeOptions& options) {
    RefuseEmpty(text);
    RefuseLongerThan(text, kMaxCharacters);
    const bool check = WantsCheck(options.check);
    std::string characters;
    std::string printed;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c > 127)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "only ASCII characters can be encoded", long(i));
        characters += kFullAscii[c];
        printed += c < 32 || c == 127 ? ' ' : char(c);  // control characters print as spaces
    }
    return Code39Symbol(characters, printed, check, 2);
}

EncodedSymbol EncodeLogmarsSymbol(const std::string& text, const EncodeOptions& options) {
    RefuseEmpty(text);
    RefuseLongerThan(text, kLogmarsMaxCharacters);
    const bool check = WantsCheck(options.check);
    std::string characters;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'a' && text[i] <= 'z' ? char(text[i] - 'a' + 'A') : text[i];
        if (c == '\0' || std::strchr(kCode39Characters, c) == nullptr)
            throw EncodeError(EncodeErrorKind::InvalidCharacter,
                              "characters are 0-9, A-Z, space and - . $ / + %", long(i));
        characters += c;
    }
    return Code39Symbol(characters, characters, check, 3);
}
