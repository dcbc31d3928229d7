#pragma once
#include <cstdint>
#include <vector>

#include "core/model/module_matrix.h"
#include "symbologies/matrix/qr_tables.h"

struct QrSymbol {
    int version;
    int mask;
    ModuleMatrix matrix;
};

// The finished symbol from every codeword in placement order: function patterns, the codewords in
// the data region under the mask with the lowest penalty (the lower number among equals), then the
// format information of the level and mask.
QrSymbol QrBuildSymbol(const std::vector<uint8_t>& codewords, int version, QrLevel level);
