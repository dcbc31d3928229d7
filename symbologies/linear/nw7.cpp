#include "symbologies/linear/nw7.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <stdexcept>

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
    if (code.empty()) throw std::runtime_error("Empty string");
    std::string text(code.size(), '\0');
    std::transform(code.begin(), code.end(), text.begin(), ToUpper);

    const bool starts = IsStartStop(text.front());
    const bool stops = IsStartStop(text.back());
    if (starts != stops) throw std::runtime_error("Invalid start/stop character combination in NW7: " + text);
    if (!starts) text = 'C' + text + 'C';

    ModuleWidths out;
    out.reserve(8 * text.size());
    for (char c : text) {
        const char* found = c == '\0' ? nullptr : std::strchr(kCharset, c);
        if (found == nullptr) throw std::runtime_error(std::string("Invalid character in NW7: ") + c);
        if (!out.empty()) out.push_back(kInterCharacterGap);
        const unsigned pattern = kPatterns[found - kCharset];
        for (int bit = 6; bit >= 0; --bit) out.push_back((pattern >> bit) & 1 ? 3 : 1);
    }
    return out;
}

std::string NW7::HumanText(const std::string& code) const {
    if (show_start_stop_ || code.empty()) return code;
    if (!IsStartStop(ToUpper(code.front())) || !IsStartStop(ToUpper(code.back()))) return code;
    return code.size() <= 2 ? std::string() : code.substr(1, code.size() - 2);
}
