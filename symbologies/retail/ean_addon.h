#pragma once
#include <string>

#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// EAN-2 and EAN-5 add-ons: two or five digits printed right of an EAN-13, EAN-8, UPC-A or UPC-E
// symbol (a periodical's issue number, a book's price).
// The Japanese periodical code is one: JAN-13 491 + reserve digit 0 + 5-digit magazine code + 2-digit
// issue + last digit of the year + check, with an EAN-5 of 0 + the 4-digit price before tax (0000
// from 10000 yen up). Magazine 12345, issue 04 of 2026, 1500 yen: 4910123450469+01500.

enum class AddOnHost { Ean13, Ean8, UpcA, UpcE };

// The light modules between the main symbol's last bar and the add-on's first. The permitted range
// is 7-12 for EAN-13/EAN-8 and 9-12 for UPC-A/UPC-E; the smallest keeps the symbol narrowest.
int AddOnGap(AddOnHost host);

// Start 1011, the digits in sets L and G joined by the separator 01, no end guard: 20 modules for
// two digits, 47 for five. The parity pattern is chosen by the value mod 4 (two digits) or by the
// weighted sum 3,9,3,9,3 mod 10 (five digits). `digits` must be 2 or 5 digits.
ModuleWidths EncodeAddOn(const std::string& digits);

// The main code and add-on digits of a caller's text and `addon` setting: "4901234567894+12"
// carries its add-on after '+', or the setting gives it. Raises EncodeError for an add-on that is
// not 2 or 5 digits (positions are byte offsets in the text) or given both ways differently.
struct MainAndAddOn {
    std::string main;
    std::string addon;  // "" for none
};
MainAndAddOn SplitAddOn(const std::string& text, const std::string& addon_setting);

// Widens `symbol` (an EAN/UPC symbol of one bar row) by the gap and the add-on. The add-on's bars
// start below a band that holds its digits (printed above it) and reach down as far as the main
// symbol's guard bars; the main symbol's bars, guards and text stay as they were. The right quiet
// zone becomes the add-on's.
void AppendAddOn(EncodedSymbol& symbol, const std::string& digits, AddOnHost host);
