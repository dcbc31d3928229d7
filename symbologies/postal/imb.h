#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// USPS Intelligent Mail barcode (USPS-B-3200): the 20-digit tracking code (barcode identifier,
// service type, mailer ID, serial number), then a routing code of 0, 5, 9 or 11 digits, written
// straight after it or after one "-". The 65 bars as D/A/F/T.
std::string EncodeIntelligentMailBars(const std::string& tracking, const std::string& routing);

// The symbol: 65 bars at 22 bars per inch (a module is half the pitch, 1/44 inch), full bars
// 0.145 inch, the tracker 0.048 inch; clear zones 0.125 inch each side and 0.028 inch above and
// below.
EncodedSymbol EncodeIntelligentMailSymbol(const std::string& text, const EncodeOptions& options);
