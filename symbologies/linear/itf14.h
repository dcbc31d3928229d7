#pragma once
#include <string>

#include "core/model/encoded_symbol.h"

// ITF-14: a GTIN-14 in Interleaved 2 of 5 (wide elements 3 modules, narrow 1: inside the 2.25-3.0
// range GS1 allows), 10 modules of quiet zone each side and by default a bearer frame 5 modules
// thick round the bars and quiet zones, the GTIN-14 printed below.

// The 14-digit GTIN: 13 digits get their check digit, 14 must end with the right one.
std::string CompleteGtin14(const std::string& text);

// A bearer setting: "frame", "top-bottom" or "none"; "" gives `fallback`. Bearers are 5 modules
// thick: GS1 asks at least 2 and, for plate printing, 4.83 mm (about 5 modules at the usual size).
Bearer BearerFromSetting(const std::string& setting, BearerKind fallback);

EncodedSymbol EncodeItf14(const std::string& text, const std::string& bearer_setting);
