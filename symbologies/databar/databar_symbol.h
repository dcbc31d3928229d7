#pragma once
#include <string>
#include <vector>

#include "core/model/encoded_symbol.h"
#include "symbologies/databar/databar_common.h"

// The digits of a GTIN as users give it to the DataBar symbologies: up to 13 digits, or 14 ending
// in their check digit (verified, then dropped), alone or as the element string of AI (01) in
// any form the GS1 reader takes ("(01)...", "[01]...", "{FNC1}01..."). Raises EncodeError.
std::string GtinDataDigits(const std::string& text);

// DataBar rows as a symbol: data rows sharing the free height take `data_row_height` modules each
// by default, fixed rows keep theirs; shorter rows are padded on the right. No quiet zone is
// required (GS1 General Specifications 5.5.1.1); the text goes under the last row.
EncodedSymbol DataBarSymbol(const std::vector<DataBarRow>& rows, double data_row_height, const std::string& text);
