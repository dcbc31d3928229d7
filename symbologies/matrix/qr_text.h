#pragma once
#include <string>

// The bytes QR Code, Micro QR and rMQR carry for a caller's UTF-8 text, chosen as readers expect:
// ASCII as it is; other text ISO-8859-1 (the default set) holds in it, behind ECI 3 (none in Micro
// QR); else Shift JIS without an ECI when it holds the text (its kanji in Kanji mode, which readers
// take as Shift JIS); else UTF-8 behind ECI 26. With `eci` (not kNoEci) the text in that ECI's set behind it; with encoding "shift_jis"
// Shift JIS. Without `eci_allowed` (Micro QR) text neither set holds is refused.
struct QrText {
    std::string bytes;
    int eci;          // kNoEci for none
    bool shift_jis;   // Kanji mode may take the double-byte characters
};

// Throws EncodeError: InvalidOption for an encoding other than utf-8 and shift_jis, an unknown ECI or
// one given where none is allowed; InvalidCharacter for a character the set cannot hold.
QrText QrTextOf(const std::string& text, int eci, const std::string& encoding, bool eci_allowed);
