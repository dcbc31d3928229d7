#include "symbologies/linear/code93.h"

#include <array>
#include <cstddef>
#include <vector>

#include "symbologies/symbol_building.h"

namespace {

// Position in this list = the character's Code 93 value; the last four are the shift characters.
constexpr char kCharset[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%<>?!";
constexpr int kCharsetSize = sizeof(kCharset) - 1;

// Bar, space, bar, space, bar, space widths of each value (9 modules each).
constexpr char kPatterns[kCharsetSize][7] = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114", "131211", "141111",  // 0-9
    "211113", "211212", "211311", "221112", "221211", "231111", "112113", "112212", "112311", "122112",  // A-J
    "132111", "111123", "111222", "111321", "121122", "131121", "212112", "212211", "211122", "211221",  // K-T
    "221121", "222111", "112122", "112221", "122121", "123111",                                          // U-Z
    "121131", "311112", "311211", "321111", "112131", "113121", "211131",  // - . space $ / + %
    "121221", "312111", "311121", "122211",                                // ($) (%) (/) (+)
};
constexpr char kStart[] = "111141";
constexpr char kStop[] = "1111411";  // the start pattern and the termination bar

// Value of every byte, -1 for bytes outside the set (lower-case letters are upper-cased first).
constexpr std::array<signed char, 256> MakeValues() {
    std::array<signed char, 256> values{};
    for (auto& v : values) v = -1;
    for (int i = 0; i < kCharsetSize; ++i) values[static_cast<unsigned char>(kCharset[i])] = static_cast<signed char>(i);
    for (int c = 'a'; c <= 'z'; ++c) values[c] = values[c - 'a' + 'A'];
    return values;
}
constexpr std::array<signed char, 256> kValues = MakeValues();

void AppendPattern(ModuleWidths& out, const char* pattern) {
    for (; *pattern; ++pattern) out.push_back(*pattern - '0');
}

// Weighted sum mod 47 with weights 1..max_weight cycling from the rightmost value leftwards.
int CheckValue(const std::vector<int>& values, int max_weight) {
    int sum = 0;
    const std::size_t n = values.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int weight = static_cast<int>((n - 1 - i) % max_weight) + 1;
        sum = (sum + values[i] * weight) % 47;
    }
    return sum;
}

}  // namespace

ModuleWidths EncodeCode93(const std::string& code) {
    if (code.empty()) throw EncodeError(EncodeErrorKind::InvalidData, "Empty string");
    std::vector<int> values;
    values.reserve(code.size() + 2);
    for (size_t i = 0; i < code.size(); ++i) {
        const char raw = code[i];
        const int value = kValues[static_cast<unsigned char>(raw)];
        // Every lower-case letter is valid, so the rejected byte is the same before and after upper-casing.
        if (value < 0)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, std::string("Invalid character in CODE93: ") + raw,
                              long(i));
        values.push_back(value);
    }
    values.push_back(CheckValue(values, 20));  // C
    values.push_back(CheckValue(values, 15));  // K, over the data and C

    ModuleWidths out;
    out.reserve(6 * (values.size() + 1) + 7);
    AppendPattern(out, kStart);
    for (int value : values) AppendPattern(out, kPatterns[value]);
    AppendPattern(out, kStop);
    return out;
}

EncodedSymbol EncodeCode93Symbol(const std::string& text, const EncodeOptions&) {
    // zint 2.15 takes at most 123 characters (it refuses 124).
    RefuseLongerThan(text, 123);
    // Quiet zone: 10 modules each side (ANSI/AIM BC5 2.4). The check characters are not printed.
    return OneRowSymbol(EncodeCode93(text), kLinearBarHeight, 10, text, text);
}
