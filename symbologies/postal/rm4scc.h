#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "symbologies/postal/postal_bars.h"

// Royal Mail 4-state customer code: four bars a character (0-9, A-Z; its row in the 6 x 6 table
// sets two ascenders, its column two descenders), the check character of the row and column sums
// modulo 6, between an ascender start bar and a full stop bar. Up to 50 characters; lower case
// counts as upper case.
EncodedSymbol EncodeRm4sccSymbol(const std::string& text, const EncodeOptions& options);

// Dutch KIX (PostNL): the same characters and bars with no start, stop or check; up to 18.
EncodedSymbol EncodeKixSymbol(const std::string& text, const EncodeOptions& options);

// The bars of the characters of `text` (already upper case, every one in 0-9 A-Z), and its check
// character. Shared with Mailmark, which uses the same character bars.
std::string Rm4sccCharacterBars(const std::string& text);
char Rm4sccCheckCharacter(const std::string& text);

// Royal Mail's bar heights and quiet zone, in modules of half the bar pitch.
extern const FourStateHeights kRm4sccHeights;
extern const ModuleMargins kRm4sccQuietZone;
