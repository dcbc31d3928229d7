#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Aztec Code's data bit stream: text in the Upper, Lower, Mixed, Punctuation and Digit modes with
// their latches and shifts, and byte runs behind Binary Shift, chosen for the fewest bits.

// An item of the data: a byte 0-255, FNC1, or an ECI designator (kAztecEciItem + its number).
constexpr int kAztecFnc1 = 256;
constexpr int kAztecEciItem = 1000;

// Appends the shortest encodation of `items` to `bits` (one 0/1 per entry), the stream being in Upper
// mode before it.
void AppendAztecItems(std::vector<uint8_t>& bits, const std::vector<int>& items);

// The Mixed latch then Upper latch that opens a structured-append symbol (Upper mode after).
void AppendAztecStructuredAppendLatches(std::vector<uint8_t>& bits);
