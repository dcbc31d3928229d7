#include "symbologies/linear/dx_film_edge.h"

#include <vector>

#include "symbologies/symbol_building.h"

namespace {

constexpr size_t kMostCharacters = 12;  // "127-15/63A" and spare

// The number of the digits text[begin, end), refused when empty, not all digits or over `high`.
int NumberIn(const std::string& text, size_t begin, size_t end, int low, int high, const char* what) {
    if (begin == end)
        throw EncodeError(EncodeErrorKind::InvalidData, std::string(what) + " is missing", long(begin));
    int value = 0;
    for (size_t i = begin; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9')
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "characters are digits, '-', '/' and a last 'A'",
                              long(i));
        value = value > high ? value : value * 10 + (text[i] - '0');
    }
    if (value < low || value > high)
        throw EncodeError(EncodeErrorKind::InvalidData, std::string(what) + " " + std::to_string(value) +
                                                            " is outside " + std::to_string(low) + "-" +
                                                            std::to_string(high),
                          long(begin));
    return value;
}

void AppendBits(std::vector<uint8_t>& bits, int value, int count) {
    for (int bit = count - 1; bit >= 0; --bit) bits.push_back(uint8_t((value >> bit) & 1));
}

}  // namespace

EncodedSymbol EncodeDxFilmEdgeSymbol(const std::string& text, const EncodeOptions&) {
    RefuseEmpty(text);
    RefuseLongerThan(text, kMostCharacters);
    const size_t slash = text.find('/');
    const size_t number_end = slash == std::string::npos ? text.size() : slash;
    const size_t dash = text.find('-');
    int part1 = 0;
    int part2 = 0;
    if (dash != std::string::npos && dash < number_end) {
        part1 = NumberIn(text, 0, dash, 1, 127, "DX part 1");
        part2 = NumberIn(text, dash + 1, number_end, 0, 15, "DX part 2");
    } else {
        const int extract = NumberIn(text, 0, number_end, 16, 2047, "the DX number");
        part1 = extract / 16;
        part2 = extract % 16;
    }
    std::vector<uint8_t> data = {1, 0, 1, 0, 1, 0};  // start
    AppendBits(data, part1, 7);
    data.push_back(0);
    AppendBits(data, part2, 4);
    if (slash != std::string::npos) {
        const bool half = text.size() > slash + 1 && (text.back() == 'A' || text.back() == 'a');
        AppendBits(data, NumberIn(text, slash + 1, text.size() - (half ? 1 : 0), 0, 63, "the frame number"), 6);
        data.push_back(half);
        data.push_back(0);
    }
    int ones = 0;
    for (size_t i = 6; i < data.size(); ++i) ones += data[i];
    data.push_back(uint8_t(ones % 2));  // even parity
    data.insert(data.end(), {0, 1, 0, 1});  // stop
    std::vector<uint8_t> clock(data.size());
    for (size_t i = 0; i < clock.size(); ++i) {
        const bool start = i < 5;
        const bool stop = i + 3 >= clock.size();
        clock[i] = uint8_t(start || stop || (i >= 6 && i % 2 == 0));
    }
    EncodedSymbol symbol;
    symbol.width = int(data.size());
    symbol.rows = {SymbolRow{clock, 0.0, {}}, SymbolRow{data, 0.0, {}}};
    symbol.bar_height = 6;  // both tracks: zint's height for the code
    symbol.quiet_zone = ModuleMargins{2, 0, 2, 0};  // as zint leaves
    symbol.full_text = text;
    return symbol;
}
