#include "symbologies/linear/nw7.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>

#include "symbologies/symbol_building.h"

namespace {

constexpr char kCharset[] = "ABCD.+:/$-0123456789";

// Seven elements per character, bit 6 first: bar, space, ..., bar; a set bit is wide.
constexpr unsigned char kPatterns[20] = {
    0b0011010, 0b0101001, 0b0001011, 0b0001110,                        // A B C D
    0b1010100, 0b0010101, 0b1000101, 0b1010001, 0b0011000, 0b0001100,  // . + : / $ -
    0b0000011, 0b0000110, 0b0001001, 0b1100000, 0b0010010,             // 0-4
    0b1000010, 0b0100001, 0b0100100, 0b0110000, 0b1001000,             // 5-9
};
constexpr int kInterCharacterGap = 2;

bool IsStartStop(char c) { return c >= 'A' && c <= 'D'; }
char ToUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

}  // namespace

ModuleWidths EncodeNW7(const std::string& code) {
    if (code.empty()) throw EncodeError(EncodeErrorKind::InvalidData, "Empty string");
    std::string text(code.size(), '\0');
    std::transform(code.begin(), code.end(), text.begin(), ToUpper);

    const bool starts = IsStartStop(text.front());
    const bool stops = IsStartStop(text.back());
    if (starts != stops)
        throw EncodeError(EncodeErrorKind::InvalidCharacter, "Invalid start/stop character combination in NW7: " + text,
                          long(starts ? 0 : text.size() - 1));
    if (!starts) text = 'C' + text + 'C';

    ModuleWidths out;
    out.reserve(8 * text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char* found = c == '\0' ? nullptr : std::strchr(kCharset, c);
        // Positions count in the code as given, without the added start/stop.
        if (found == nullptr)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, std::string("Invalid character in NW7: ") + c,
                              long(starts ? i : i - 1));
        if (!out.empty()) out.push_back(kInterCharacterGap);
        const unsigned pattern = kPatterns[found - kCharset];
        for (int bit = 6; bit >= 0; --bit) out.push_back((pattern >> bit) & 1 ? 3 : 1);
    }
    return out;
}

std::string NW7HumanText(const std::string& code, bool show_start_stop) {
    if (show_start_stop || code.empty()) return code;
    if (!IsStartStop(ToUpper(code.front())) || !IsStartStop(ToUpper(code.back()))) return code;
    return code.size() <= 2 ? std::string() : code.substr(1, code.size() - 2);
}

EncodedSymbol EncodeNW7Symbol(const std::string& text, const EncodeOptions& options) {
    // zint 2.15 takes at most 103 characters, start and stop included (it refuses 104).
    RefuseLongerThan(text, 103);
    const ModuleWidths widths = EncodeNW7(text);
    std::string carried(text.size(), '\0');
    std::transform(text.begin(), text.end(), carried.begin(), ToUpper);
    // A-D only as the start and stop: never alone, never between them.
    if (carried.size() == 1 && IsStartStop(carried[0]))
        throw EncodeError(EncodeErrorKind::InvalidData, "a start character needs data and a stop character");
    const bool ends = IsStartStop(carried.front());
    for (size_t i = ends ? 1 : 0; i + (ends ? 1 : 0) < carried.size(); ++i)
        if (IsStartStop(carried[i]))
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "A-D stand only at both ends, as start and stop",
                              long(i));
    if (!ends) carried = 'C' + carried + 'C';
    // Quiet zone: 10 modules each side (EN 798 4.4.1).
    return OneRowSymbol(widths, kLinearBarHeight, 10, NW7HumanText(text, options.show_start_stop), carried);
}
