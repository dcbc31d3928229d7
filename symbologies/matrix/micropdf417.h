#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "symbologies/matrix/micropdf417_sizes.h"

// MicroPDF417: the text's bytes in the smallest of the 34 sizes that holds them, or the fewest rows
// of options.columns (1..4) data columns. Rows are 2 modules tall; the quiet zone is 1 module on
// every side. Throws EncodeError: InvalidData for empty text, InvalidOption for columns outside
// 0..4, TooLong (capacity in data codewords) for text no size of those columns holds.
EncodedSymbol EncodeMicroPdf417(const std::string& text, const EncodeOptions& options);

// The module rows of a symbol laid out as `size` describes (a MicroPDF417 size, or a composite
// component built the same way): `data` padded with 900 to the size's capacity, its error
// correction, and each row framed by its row address patterns.
std::vector<std::vector<uint8_t>> MicroPdf417Rows(std::vector<int> data, const MicroPdf417Size& size);
