#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Flattermarken (collating marks of bookbinding): nine modules a digit, digit d 1-9 a one-module
// mark at the d-th of them, 0 none.
EncodedSymbol EncodeFlattermarkenSymbol(const std::string& text, const EncodeOptions& options);
