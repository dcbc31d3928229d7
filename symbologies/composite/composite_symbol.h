#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// A GS1 composite symbol: a 2D component (CC-A, CC-B or CC-C) carrying `composite`, above a linear
// carrier of `primary` that is marked as linked to it, the separator rows between the two, and
// each part shifted sideways as its carrier asks.
//
// `carrier`: ean13, ean8, upca, upce (the digits, with or without check digit), databar,
// databar-stacked, databar-stacked-omni, databar-limited (13 or 14 digits of the GTIN, "(01)" or
// "[01]" in front allowed), databar-expanded, databar-expanded-stacked, gs1-128 (an element
// string). Element strings are bracketed, "(17)261231(10)LOT123" or "[17]261231[10]LOT123".
// `type`: auto (CC-A when the data fits it, else CC-B, else over GS1-128 a CC-C), a, b or c (CC-C
// over GS1-128 only); a type named is never changed.
// Throws EncodeError: InvalidOption for an unknown carrier or type, InvalidData for data a part
// refuses, TooLong when the component's data fits no size.
EncodedSymbol EncodeComposite(const std::string& carrier, const std::string& primary, const std::string& composite,
                              const std::string& type, const EncodeOptions& options);
