#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "symbologies/matrix/pdf417_symbol.h"

// `options`: error_level (-1 from the data, 0..8), columns (0 automatic, 1..30), rows (0, 3..90),
// aspect_ratio (0 for the usual 0.5, 0.001..1000), row_height (modules, at least 1) and encoding.
EncodedSymbol EncodePdf417Symbol(const std::string& text, const EncodeOptions& options);
