#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"
#include "symbologies/databar/databar_common.h"

// GS1 DataBar Limited of a GTIN with indicator digit 0 or 1.
struct DataBarLimitedSymbol {
    ModuleWidths elements;  // 46 widths, a light element first, 74 modules
    int left_value = 0;     // the two data characters: the 13-digit value / and % 2013571
    int right_value = 0;
    int checksum = 0;       // 0..88, selects the check character pattern
    std::string digits;     // the 13 padded digits and their check digit
};

// Encodes 8 to 13 digits (left-padded with zeros to 13); throws EncodeError. `linked`: a composite
// component stands above, which the value carries as its linkage flag.
DataBarLimitedSymbol EncodeGS1DataBarLimited(const std::string& code, bool linked = false);
// A GTIN (see GtinDataDigits) of indicator digit 0 or 1.
EncodedSymbol EncodeDataBarLimitedSymbol(const std::string& text, const EncodeOptions& options);
