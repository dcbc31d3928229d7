#include "symbologies/aztec/aztec_symbol.h"

#include "core/ecc/binary_field.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// The field of each word size: GF(16) for the mode message, then 6, 8, 10 and 12-bit words.
const BinaryField& FieldOf(int word_bits) {
    static const BinaryField gf16(4, 0x13), gf64(6, 0x43), gf256(8, 0x12D), gf1024(10, 0x409), gf4096(12, 0x1069);
    switch (word_bits) {
        case 4: return gf16;
        case 6: return gf64;
        case 8: return gf256;
        case 10: return gf1024;
        default: return gf4096;
    }
}

// Width without the reference grid.
int BaseModules(AztecSize size) { return (size.compact ? 11 : 14) + 4 * size.layers; }

// Symbol coordinate of each coordinate of the layout without the reference grid: full-range symbols
// take a grid line every 16 modules out from the centre.
std::vector<int> GridSkipping(AztecSize size) {
    const int base = BaseModules(size);
    std::vector<int> map(static_cast<size_t>(base));
    if (size.compact) {
        for (int i = 0; i < base; ++i) map[size_t(i)] = i;
        return map;
    }
    const int centre = size.Modules() / 2;
    const int half = base / 2;
    for (int i = 0; i < half; ++i) {
        const int offset = i + i / 15;
        map[size_t(half - 1 - i)] = centre - offset - 1;
        map[size_t(half + i)] = centre + offset + 1;
    }
    return map;
}

void Append(std::vector<uint8_t>& bits, unsigned value, int count) {
    for (int i = count - 1; i >= 0; --i) bits.push_back(uint8_t((value >> i) & 1));
}

// The mode message words (4 bits each) followed by their check words, as bits.
std::vector<uint8_t> ModeMessage(unsigned value, int value_bits, int check_words) {
    std::vector<uint16_t> words;
    for (int shift = value_bits - 4; shift >= 0; shift -= 4) words.push_back(uint16_t((value >> shift) & 15));
    const std::vector<uint16_t> check = FieldOf(4).CheckWords(words, check_words);
    words.insert(words.end(), check.begin(), check.end());
    std::vector<uint8_t> bits;
    for (const uint16_t w : words) Append(bits, w, 4);
    return bits;
}

// The bull's-eye rings, the orientation marks and the mode message around them, `radius` being the
// ring of the mode message (5 compact, 7 full-range).
void DrawCore(ModuleMatrix& matrix, int radius, const std::vector<uint8_t>& mode_message) {
    const int c = matrix.Columns() / 2;
    for (int y = -radius + 1; y < radius; ++y)
        for (int x = -radius + 1; x < radius; ++x) {
            const int ring = std::max(std::abs(x), std::abs(y));
            if (ring % 2 == 0) matrix.Set(c + x, c + y);
        }
    const int r = radius;
    for (const auto& [x, y] : {std::pair{-r, -r}, {-r + 1, -r}, {-r, -r + 1}, {r, -r}, {r, -r + 1}, {r, r - 1}})
        matrix.Set(c + x, c + y);
    // Clockwise from the top left: along the top, down the right, back along the bottom, up the left.
    const int side = radius == 5 ? 7 : 10;
    for (int i = 0; i < side; ++i) {
        const int offset = radius == 5 ? c - 3 + i : c - 5 + i + i / 5;
        if (mode_message[size_t(i)]) matrix.Set(offset, c - r);
        if (mode_message[size_t(side + i)]) matrix.Set(c + r, offset);
        if (mode_message[size_t(3 * side - 1 - i)]) matrix.Set(offset, c + r);
        if (mode_message[size_t(4 * side - 1 - i)]) matrix.Set(c - r, offset);
    }
}

}  // namespace

int AztecSize::Modules() const {
    const int base = BaseModules(*this);
    return compact ? base : base + 1 + 2 * ((base / 2 - 1) / 15);
}

int AztecSize::MostDataWords(bool reader_init) const {
    const int count_bits = compact ? 6 : 11;
    return reader_init ? 1 << (count_bits - 1) : 1 << count_bits;
}

std::vector<uint16_t> AztecDataWords(const std::vector<uint8_t>& bits, int word_bits) {
    std::vector<uint16_t> words;
    const int all_ones = (1 << word_bits) - 1;
    size_t i = 0;
    while (i < bits.size()) {
        int word = 0;
        int taken = 0;
        for (; taken < word_bits - 1; ++taken) word = word * 2 + (i < bits.size() ? bits[i++] : 1);
        const int top = word;
        if (top == 0) word = word * 2 + 1;
        else if (top == all_ones >> 1) word = word * 2;
        else word = word * 2 + (i < bits.size() ? bits[i++] : 1);
        words.push_back(uint16_t(word));
    }
    // A last word padded to all ones would read as a stuffed word: its last bit is 0 instead.
    if (!words.empty() && words.back() == all_ones) words.back() = uint16_t(all_ones - 1);
    return words;
}

ModuleMatrix BuildAztecSymbol(AztecSize size, const std::vector<uint16_t>& data_words, bool reader_init) {
    const int word_bits = size.WordBits();
    const int total_words = size.TotalWords();
    const std::vector<uint16_t> check =
        FieldOf(word_bits).CheckWords(data_words, total_words - int(data_words.size()));
    // The layers are filled from the outermost inwards; the bits no whole word uses come first.
    std::vector<uint8_t> bits(size_t(size.TotalBits() % word_bits), 0);
    for (const uint16_t w : data_words) Append(bits, w, word_bits);
    for (const uint16_t w : check) Append(bits, w, word_bits);

    const int modules = size.Modules();
    ModuleMatrix matrix(modules, modules);
    const std::vector<int> at = GridSkipping(size);
    const int base = BaseModules(size);
    size_t next = 0;
    for (int layer = 0; layer < size.layers; ++layer) {
        const int length = (size.layers - layer) * 4 + (size.compact ? 9 : 12);
        const int low = 2 * layer;
        const int high = base - 1 - low;
        // Each side is a band two modules deep, read in pairs across the band, the four sides
        // counter-clockwise from the top left: down the left, along the bottom, up the right, back
        // along the top.
        for (int side = 0; side < 4; ++side)
            for (int j = 0; j < length; ++j)
                for (int k = 0; k < 2; ++k) {
                    if (!bits[next++]) continue;
                    int x, y;
                    switch (side) {
                        case 0: x = low + k; y = low + j; break;
                        case 1: x = low + j; y = high - k; break;
                        case 2: x = high - k; y = high - j; break;
                        default: x = high - j; y = low + k; break;
                    }
                    matrix.Set(at[size_t(x)], at[size_t(y)]);
                }
    }
    const int centre = modules / 2;
    if (!size.compact)
        for (int line = 0; line <= centre; line += 16)
            for (int k = centre % 2; k < modules; k += 2) {
                matrix.Set(centre - line, k);
                matrix.Set(centre + line, k);
                matrix.Set(k, centre - line);
                matrix.Set(k, centre + line);
            }
    const int words = int(data_words.size()) - 1 + (reader_init ? size.MostDataWords(true) : 0);
    const std::vector<uint8_t> mode_message =
        size.compact ? ModeMessage(unsigned(((size.layers - 1) << 6) | words), 8, 5)
                     : ModeMessage(unsigned(((size.layers - 1) << 11) | words), 16, 6);
    DrawCore(matrix, size.compact ? 5 : 7, mode_message);
    return matrix;
}

ModuleMatrix BuildAztecRune(int value) {
    ModuleMatrix matrix(11, 11);
    std::vector<uint8_t> mode_message = ModeMessage(unsigned(value), 8, 5);
    // Every other bit inverted, so that no rune's mode message reads as a compact symbol's.
    for (size_t i = 0; i < mode_message.size(); i += 2) mode_message[i] ^= 1;
    DrawCore(matrix, 5, mode_message);
    return matrix;
}
