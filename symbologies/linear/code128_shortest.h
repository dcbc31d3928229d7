#pragma once
#include <string>
#include <vector>

// Code 128 symbol values with the fewest symbol characters, Shift included, for the make() path.
namespace code128 {

// A character of the message: a byte from 0 to 127, or FNC1.
constexpr int kFnc1Character = -1;

struct ShortestChoice {
    bool allow_set_c = true;
    bool reader_init = false;  // FNC3 right after the start character
    // One letter per character ('A', 'B' or 'C'; a digit pair takes "CC"): the sets the caller
    // chose. Empty: the encoder chooses.
    std::string code_sets;
};

// Start value followed by the data, Shift and code set values (no check value, no stop). Of equal
// lengths, the one that stays in set B longest: a start or a switch to set B is preferred to A or
// C, staying in the current set to switching, and a Shift to a switch.
// Throws EncodeError (InvalidCharacter, position of the character) when no set holds a character
// or the chosen sets cannot take it, InvalidData when `characters` is empty.
std::vector<int> ShortestValues(const std::vector<int>& characters, const ShortestChoice& choice = {});

// The bytes of `text` as characters (no FNC1).
std::vector<int> CharactersOf(const std::string& text);

}  // namespace code128
