#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// USPS POSTNET and PLANET (height-modulated, DMM 708.4): five bars a digit, two of them tall in
// POSTNET and three in PLANET, then the modulo-10 check digit, between two tall frame bars.
// POSTNET takes a ZIP (5 digits), ZIP+4 (9) or delivery point (11) code; PLANET 11 or 13 digits.
// One more digit is read as the check digit and must be the right one. Bars at 22 per inch (a
// module is half the pitch, 1/44 inch), tall bars 0.125 inch and short 0.050 inch; clear zones
// 0.125 inch each side and 0.04 inch above and below.
EncodedSymbol EncodePostnetSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodePlanetSymbol(const std::string& text, const EncodeOptions& options);
// Correios CEPNet: the eight-digit CEP in POSTNET's bars, check digit and dimensions.
EncodedSymbol EncodeCepnetSymbol(const std::string& text, const EncodeOptions& options);
