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

// How the mask is chosen: the QR class's own scoring of the data region (qr_mask.h), or
// ISO/IEC 18004's over the whole symbol (make()).
enum class QrMaskRule { kClassScoring, kStandard };

// The finished symbol from every codeword in placement order: function patterns, the codewords in
// the data region under the mask with the lowest penalty under `rule` (the lower number among
// equals), then the format information of the level and mask.
QrSymbol QrBuildSymbol(const std::vector<uint8_t>& codewords, int version, QrLevel level,
                       QrMaskRule rule = QrMaskRule::kClassScoring);
