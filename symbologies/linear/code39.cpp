#include "symbologies/linear/code39.h"

#include <cstring>

#include "symbologies/symbol_building.h"

namespace {

constexpr char kCharset[] = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ-. *$/+%";

// Nine elements per character from bit 8 down: bar, space, ...; a 1 bit is wide.
constexpr unsigned short kPatterns[44] = {
    0x121, 0x061, 0x160, 0x031, 0x130, 0x070, 0x025, 0x124, 0x064, 0x034,  // 1-9, 0
    0x109, 0x049, 0x148, 0x019, 0x118, 0x058, 0x00D, 0x10C, 0x04C, 0x01C,  // A-J
    0x103, 0x043, 0x142, 0x013, 0x112, 0x052, 0x007, 0x106, 0x046, 0x016,  // K-T
    0x181, 0x0C1, 0x1C0, 0x091, 0x190, 0x0D0,                              // U-Z
    0x085, 0x184, 0x0C4, 0x094, 0x0A8, 0x0A2, 0x08A, 0x02A,                // - . space * $ / + %
};

void AppendCharacter(ModuleWidths& out, char c) {
    if (!out.empty()) out.push_back(1);  // inter-character gap
    const unsigned pattern = kPatterns[std::strchr(kCharset, c) - kCharset];
    for (int bit = 8; bit >= 0; --bit) out.push_back((pattern >> bit) & 1 ? 3 : 1);
}

}  // namespace

ModuleWidths EncodeCode39(const std::string& code) {
    if (code.empty()) throw EncodeError(EncodeErrorKind::InvalidData, "Empty string");
    std::string body;
    body.reserve(code.size());
    for (size_t i = 0; i < code.size(); ++i) {
        const char raw = code[i];
        const char c = (raw >= 'a' && raw <= 'z') ? char(raw - 'a' + 'A') : raw;
        if (c == '*')
            throw EncodeError(EncodeErrorKind::InvalidCharacter,
                              "Invalid character in CODE39: '*' is reserved for start/stop code", long(i));
        if (c == '\0' || std::strchr(kCharset, c) == nullptr)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, std::string("Invalid character in CODE39: ") + raw,
                              long(i));
        body.push_back(c);
    }
    ModuleWidths out;
    out.reserve(10 * (body.size() + 2));
    AppendCharacter(out, '*');
    for (char c : body) AppendCharacter(out, c);
    AppendCharacter(out, '*');
    return out;
}

std::string Code39HumanText(const std::string& code, bool show_start_stop) {
    return show_start_stop ? "*" + code + "*" : code;
}

EncodedSymbol EncodeCode39Symbol(const std::string& text, const EncodeOptions& options) {
    // zint 2.15 takes at most 86 characters (it refuses 87).
    RefuseLongerThan(text, 86);
    const ModuleWidths widths = EncodeCode39(text);
    std::string carried = text;
    for (char& c : carried) c = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
    // Quiet zone: 10 modules each side (ISO/IEC 16388 4.4).
    return OneRowSymbol(widths, kLinearBarHeight, 10, Code39HumanText(text, options.show_start_stop), carried);
}
