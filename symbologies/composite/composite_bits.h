#pragma once
#include <functional>
#include <string>

// The data of a GS1 composite component (CC-A, CC-B) as a bit string: the encodation method
// ("0" general purpose, "10" a date and lot number, "11" an AI 90 in its compressed form), then
// the general-purpose field, then padding to the size the component takes.

// The bits before padding, with what the padding needs to know.
struct CompositeBits {
    std::string bits;         // '0'/'1'
    bool ends_numeric = true; // the last bits leave numeric mode current
    char last_digit = '\0';   // a digit still to write in numeric mode, '\0' when none
    bool alpha_pad = false;   // AI 90 data ended in its alpha form: an FNC1 goes before the pad
};

// `data`: the element data, AIs and their data with GS (0x1D) after every field that needs a
// separator (no leading FNC1). Throws EncodeError (InvalidData) for a character the
// general-purpose field cannot hold.
CompositeBits EncodeCompositeBits(const std::string& data);

// The bits padded to the size `target(n)` gives for n bits of data (0: none holds them): a lone
// last digit written as the room left allows, then the numeric-mode end and "00100" pads. Empty
// when no size holds the data.
std::string PadCompositeBits(const CompositeBits& data, const std::function<int(int)>& target);
