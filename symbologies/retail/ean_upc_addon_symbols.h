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
