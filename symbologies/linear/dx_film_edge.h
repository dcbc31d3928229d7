#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// DX film edge barcode: the DX number as "part1-part2" (1-127, 0-15) or as one number 16-2047
// (part1 x 16 + part2), optionally "/" and a frame number 0-63 with "A" for the half frame. Two
// rows: the clock track above the data track (start, part 1 in 7 bits, a 0, part 2 in 4 bits,
// the frame in 6 bits, the half-frame bit and a 0, even parity, stop).
EncodedSymbol EncodeDxFilmEdgeSymbol(const std::string& text, const EncodeOptions& options);
