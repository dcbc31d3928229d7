#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// USPS facing identification marks A-E (DMM 708.9): nine bar positions 1/16 inch apart, each a
// bar 1/32 inch wide (a module) and 5/8 inch high or a space; 1/8 inch clear all round.
EncodedSymbol EncodeFimSymbol(const std::string& text, const EncodeOptions& options);

// A free four-state bar string: D, A, F and T (either case), up to 576 bars, in RM4SCC's bar
// heights, pitch and quiet zone (no standard fixes them for arbitrary bars).
EncodedSymbol EncodeDaftSymbol(const std::string& text, const EncodeOptions& options);
