#include "symbologies/linear/plessey.h"

#include <vector>

#include "symbologies/symbol_building.h"

namespace {

constexpr size_t kMostDigits = 67;  // as zint
constexpr char kDigits[] = "0123456789ABCDEF";
constexpr unsigned kGenerator = 0x1E9;  // x^8 + x^7 + x^6 + x^5 + x^3 + 1

void AppendBit(ModuleWidths& widths, bool one) {
    widths.push_back(one ? 3 : 1);
    widths.push_back(one ? 1 : 3);
}

// The CRC's eight bits, first sent first: the remainder of the data bits followed by eight zeros,
// divided by the generator.
std::vector<bool> Crc(std::vector<bool> bits) {
    const size_t data = bits.size();
    bits.resize(data + 8, false);
    for (size_t i = 0; i < data; ++i)
        if (bits[i])
            for (int k = 0; k < 9; ++k) bits[i + size_t(k)] = bits[i + size_t(k)] != bool((kGenerator >> (8 - k)) & 1);
    return std::vector<bool>(bits.begin() + long(data), bits.end());
}

}  // namespace

EncodedSymbol EncodePlesseySymbol(const std::string& text, const EncodeOptions&) {
    RefuseEmpty(text);
    RefuseLongerThan(text, kMostDigits);
    std::vector<bool> bits;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool digit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
        if (!digit) throw EncodeError(EncodeErrorKind::InvalidCharacter, "characters are 0-9 and A-F", long(i));
        const int value = c <= '9' ? c - '0' : c - 'A' + 10;
        for (int bit = 0; bit < 4; ++bit) bits.push_back((value >> bit) & 1);
    }
    ModuleWidths widths;
    for (bool one : {true, true, false, true}) AppendBit(widths, one);  // start
    for (bool one : bits) AppendBit(widths, one);
    for (bool one : Crc(bits)) AppendBit(widths, one);
    widths.insert(widths.end(), {3, 3, 1, 3, 1, 1, 3, 1, 3});  // termination bar and stop
    // Quiet zone: 12 modules each side, as zint leaves (no published minimum).
    return OneRowSymbol(widths, kLinearBarHeight, 12, text, text);
}
