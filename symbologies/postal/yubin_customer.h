#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Bar shapes of the Japan Post customer barcode, one character per bar.
constexpr char kYubinLongBar = '1';    // full height
constexpr char kYubinUpperBar = '2';   // top two thirds
constexpr char kYubinLowerBar = '3';   // bottom two thirds
constexpr char kYubinTimingBar = '4';  // middle third
constexpr int kYubinBarCount = 67;

// The 67 bar shapes of the customer barcode for an address text: start, 20 data positions
// (digits and hyphen take one, letters two; CC4 fills the rest), the modulo-19 check character,
// stop. Lower-case letters count as upper-case, characters outside 0-9, A-Z and "-" are dropped,
// and data past the 20th position is cut; a letter whose first half lands on the 20th position
// leaves only its control code there. Never fails.
std::string EncodeYubinCustomer(const std::string& text);

// The seven-digit postal code, then the address number (digits, A-Z in either case, "-"; a letter
// takes two of the 20 data positions). Bars one module wide, one apart; three bands two modules
// high: the long and upper bars fill the top band, every bar the middle one, long and lower bars
// the bottom one.
EncodedSymbol EncodeJapanPostSymbol(const std::string& text, const EncodeOptions& options);
