#pragma once
#include <cstdint>
#include <vector>

#include "core/model/module_matrix.h"

// Aztec Code symbols: sizes, codewords with bit stuffing, check words, and the module layout
// (finder, orientation marks, mode message, reference grid and the data layers).

struct AztecSize {
    bool compact = false;
    int layers = 1;  // compact 1-4, full-range 1-32

    int WordBits() const { return layers <= 2 ? 6 : layers <= 8 ? 8 : layers <= 22 ? 10 : 12; }
    int TotalBits() const { return ((compact ? 88 : 112) + 16 * layers) * layers; }
    int TotalWords() const { return TotalBits() / WordBits(); }
    int Modules() const;  // width and height
    // The most data words the mode message can count (6 bits compact, 11 full-range); reader
    // initialisation takes the top bit of that count.
    int MostDataWords(bool reader_init) const;
};

// The data bits cut into words of `word_bits`: a word whose first word_bits - 1 bits are all equal
// takes the opposite bit as its last, and the last word is filled with ones (its last bit 0 when
// that would make it all ones).
std::vector<uint16_t> AztecDataWords(const std::vector<uint8_t>& bits, int word_bits);

// The symbol of `size` holding `data_words` with check words filling the rest.
ModuleMatrix BuildAztecSymbol(AztecSize size, const std::vector<uint16_t>& data_words, bool reader_init);

// The Aztec rune of `value` (0-255): the compact finder with the value in its mode message.
ModuleMatrix BuildAztecRune(int value);
