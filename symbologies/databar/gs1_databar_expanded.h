#pragma once
#include <string>
#include <vector>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"
#include "symbologies/databar/databar_common.h"
#include "symbologies/databar/databar_expanded_bits.h"

// GS1 DataBar Expanded of a GS1 element string, in one row or stacked in rows of segment pairs.
struct ExpandedSymbol {
    ExpandedBits data;
    std::vector<int> values;       // the data characters (12 bits each)
    int check_value = 0;           // the check character
    ModuleWidths elements;         // the one-row element list, a light element first
    std::vector<DataBarRow> rows;  // one row, or data rows with three separator rows between them
};

// `columns`: segment pairs per row of the stacked form (1..10, anything else means 2).
// Throws ExpandedInputError for data the symbology cannot carry. `linked`: a composite component
// stands above: the data carries the linkage flag, and the first row is the separator under the
// component (the top data row's own separator).
ExpandedSymbol EncodeGS1DataBarExpanded(const ExpandedInput& input, bool stacked, int columns, bool linked = false);
// An element string, bracketed or in a marker form (`options.gs1_validate` checks it first), in
// one row or stacked in rows of `options.columns` segment pairs (1..10, 0 for 2).
EncodedSymbol EncodeDataBarExpandedSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeDataBarExpandedStackedSymbol(const std::string& text, const EncodeOptions& options);
