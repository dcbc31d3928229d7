#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Laetus Pharmacode, a number in bars with no check and no text.
// One track, 3-131070: narrow bars 1 module, wide bars 3, spaces 2 (0.5, 1.5 and 1 mm at the
// nominal X of 0.5 mm).
EncodedSymbol EncodePharmacodeSymbol(const std::string& text, const EncodeOptions& options);
// Two tracks, 4-64570080: bars 1 module wide with 1-module spaces, each a full bar or the top or
// bottom half; the two halves are the symbol's two rows.
EncodedSymbol EncodePharmacodeTwoTrackSymbol(const std::string& text, const EncodeOptions& options);
