#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// ITF-14: a GTIN-14 in Interleaved 2 of 5 (wide elements 3 modules, narrow 1: inside the 2.25-3.0
// range GS1 allows, and what zint and BWIPP draw), 10 modules of quiet zone each side and by default
// a bearer frame round the bars and quiet zones, the GTIN-14 printed below.

// The 14-digit GTIN: 13 digits get their check digit, 14 must end with the right one.
std::string CompleteGtin14(const std::string& text);

// Reads options.bearer (BearerFromSetting); "" gives the frame.
EncodedSymbol EncodeItf14Symbol(const std::string& text, const EncodeOptions& options);
