#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// MSI Plessey: digits, each four bits from the most significant, a 1 bit a wide bar and narrow
// space, a 0 bit the reverse. Check digits (`check`): none (the default, as zint), mod10,
// mod10-10, mod11 (IBM weights 2-7), mod11-10, mod11-ncr (NCR weights 2-9), mod11-ncr-10. A
// modulo 11 check of 10 is written "10".
EncodedSymbol EncodeMsiSymbol(const std::string& text, const EncodeOptions& options);
