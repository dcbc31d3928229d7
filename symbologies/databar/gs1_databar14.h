#pragma once
#include <string>
#include <vector>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"
#include "symbologies/databar/databar_common.h"

// GS1 DataBar Omnidirectional of a GTIN, in one row or in the two stacked forms.
enum DataBar14Type { kDataBar14Omnidirectional = 0, kDataBar14Stacked = 1, kDataBar14StackedOmnidirectional = 2 };

struct DataBar14Symbol {
    ModuleWidths elements;  // 46 widths, a light element first, 96 modules
    int checksum = 0;       // after skipping 8 and 72: 0..80
    int left_finder = 0;
    int right_finder = 0;
    std::string digits;           // the 13 padded digits and their check digit
    std::vector<DataBarRow> rows;  // 1, 3 or 5 rows by symbol type
};

// Encodes up to 13 digits (left-padded with zeros) as the given form; throws std::runtime_error.
// `linked`: a composite component stands above, which the value carries as its linkage flag; the
// separator row under that component is then the first row.
DataBar14Symbol EncodeGS1DataBar14(const std::string& content, int symbol_type, bool linked = false);
// A GTIN (see GtinDataDigits) in one row, or stacked, or stacked omnidirectional.
EncodedSymbol EncodeDataBarSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeDataBarStackedSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeDataBarStackedOmniSymbol(const std::string& text, const EncodeOptions& options);
