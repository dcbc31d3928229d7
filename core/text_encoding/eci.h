#pragma once
#include <string>

// Extended Channel Interpretation: which character set a symbol's bytes are in, and the bytes of
// UTF-8 text in that set. Shared by every 2D symbology that carries ECI designators.

constexpr int kNoEci = -1;      // no designator: the symbology's default set (ISO-8859-1)
constexpr int kEciLatin1 = 3;   // ISO-8859-1
constexpr int kEciShiftJis = 20;
constexpr int kEciUtf8 = 26;
constexpr int kEciBinary = 899;  // bytes as they are, no character set

// Whether this library can put text into ECI `eci`'s character set.
bool IsKnownEci(int eci);

// Whether every character of the UTF-8 text has a form in ECI `eci`'s set (ISO-8859-1 for kNoEci).
bool FitsEci(const std::string& utf8_text, int eci);

// The UTF-8 text in ECI `eci`'s character set (kNoEci: ISO-8859-1; kEciBinary: the bytes as given).
// Throws EncodeError InvalidCharacter at the first character the set has no form for (its byte
// offset, as encoders report positions; the message counts characters), InvalidOption for an ECI this library does not know. (Messages name no
// symbology: the registry puts its name first.)
std::string EncodeForEci(const std::string& utf8_text, int eci);

struct EciText {
    int eci = kNoEci;  // the designator to put before the data, kNoEci for none
    std::string bytes;
};

// The encoding readers expect: with no `eci`, ISO-8859-1 without a designator when the text fits it,
// else UTF-8 behind ECI 26; with an `eci`, the text in that ECI's set behind it. Text that is not
// well-formed UTF-8 is taken as bytes: as they are behind a caller's ECI, else without a designator.
EciText ChooseEciText(const std::string& utf8_text, int eci);
