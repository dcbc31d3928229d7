#include "symbologies/linear/telepen.h"

#include <vector>

#include "symbologies/symbol_building.h"

namespace {

constexpr size_t kMostCharacters = 69;  // as zint: data characters between start and check
constexpr int kStart = '_';
constexpr int kStop = 'z';

// The stream of bits of `values` between start and stop, with the check character.
std::vector<bool> Bits(const std::vector<int>& values) {
    std::vector<int> all = {kStart};
    int sum = 0;
    for (int v : values) {
        all.push_back(v);
        sum += v;
    }
    all.push_back((127 - sum % 127) % 127);
    all.push_back(kStop);
    std::vector<bool> bits;
    for (int v : all) {
        int ones = 0;
        for (int bit = 0; bit < 7; ++bit) {
            bits.push_back((v >> bit) & 1);
            ones += (v >> bit) & 1;
        }
        bits.push_back(ones % 2 == 1);  // even parity
    }
    return bits;
}

ModuleWidths Widths(const std::vector<bool>& bits) {
    ModuleWidths widths;
    for (size_t i = 0; i < bits.size();) {
        if (bits[i]) {  // a lone 1
            widths.insert(widths.end(), {1, 1});
            ++i;
            continue;
        }
        size_t end = i + 1;  // the block 0 1...1 0: `end` at its closing 0
        while (bits[end]) ++end;
        const size_t ones = end - i - 1;
        if (ones == 0) {
            widths.insert(widths.end(), {3, 1});
        } else if (ones == 1) {
            widths.insert(widths.end(), {3, 3});
        } else {
            widths.insert(widths.end(), {1, 3});
            for (size_t k = 0; k < ones - 2; ++k) widths.insert(widths.end(), {1, 1});
            widths.insert(widths.end(), {1, 3});
        }
        i = end + 1;
    }
    widths.pop_back();  // the last space is the quiet zone's
    return widths;
}

EncodedSymbol TelepenSymbol(const std::vector<int>& values, const std::string& printed) {
    // Quiet zone: 10 modules each side, as zint leaves (no published minimum).
    return OneRowSymbol(Widths(Bits(values)), kLinearBarHeight, 10, printed, printed);
}

}  // namespace

EncodedSymbol EncodeTelepenSymbol(const std::string& text, const EncodeOptions&) {
    RefuseEmpty(text);
    RefuseLongerThan(text, kMostCharacters);
    std::vector<int> values;
    std::string printed;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c > 127)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "only ASCII characters can be encoded", long(i));
        values.push_back(c);
        printed += c < 32 || c == 127 ? ' ' : char(c);
    }
    return TelepenSymbol(values, printed);
}

EncodedSymbol EncodeTelepenNumericSymbol(const std::string& text, const EncodeOptions&) {
    RefuseEmpty(text);
    RefuseLongerThan(text, 2 * kMostCharacters - 2);  // as zint: 136
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool x = c == 'X' || c == 'x';
        if (!(c >= '0' && c <= '9') && !(x && i % 2 != text.size() % 2))
            throw EncodeError(EncodeErrorKind::InvalidCharacter,
                              x ? "'X' stands only second in a pair of digits" : "characters are 0-9 and X",
                              long(i));
    }
    std::string digits = text.size() % 2 == 1 ? "0" + text : text;
    std::vector<int> values;
    for (size_t i = 0; i < digits.size(); i += 2) {
        const int tens = digits[i] - '0';
        if (digits[i + 1] == 'X' || digits[i + 1] == 'x') {
            values.push_back(17 + tens);
            digits[i + 1] = 'X';
        } else {
            values.push_back(27 + 10 * tens + digits[i + 1] - '0');
        }
    }
    return TelepenSymbol(values, digits);
}
