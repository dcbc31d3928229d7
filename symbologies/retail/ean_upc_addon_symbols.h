#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// EAN-13, EAN-8, UPC-A and UPC-E with the add-on the text ("4901234567894+12345") or
// options.addon carries, if any; without one, the main symbol alone.
EncodedSymbol EncodeEan13WithAddOn(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeEan8WithAddOn(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeUpcAWithAddOn(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeUpcEWithAddOn(const std::string& text, const EncodeOptions& options);

// One of the four by name (ean13, ean8, upca, upce) with its add-on, and the width of the main
// symbol the add-on follows (a composite's separator rows end there).
struct RetailWithAddOn {
    EncodedSymbol symbol;
    int main_width = 0;
};
RetailWithAddOn EncodeRetailWithAddOn(const std::string& name, const std::string& text, const EncodeOptions& options);
