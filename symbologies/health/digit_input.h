#pragma once
#include <string>

// Numbers of a fixed length given with or without their check digit (PZN, Code 32).
struct DigitInput {
    std::string digits;  // the number without its check digit, zero-padded on the left
    char given_check;    // the check digit given, '\0' when none
};

// Reads up to `length` digits (zero-padded), or `length` + 1 whose last is the check digit.
// Refuses empty text, a character other than a digit (at its position) and more digits.
DigitInput ReadDigitsWithCheck(const std::string& text, size_t length);
// Refuses a given check digit other than `expected`, at its position (the last).
void RefuseWrongCheckDigit(const DigitInput& input, char expected);
