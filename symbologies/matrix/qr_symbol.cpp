#include "symbologies/matrix/qr_symbol.h"

#include <algorithm>
#include <array>

#include "symbologies/matrix/qr_layout.h"
#include "symbologies/matrix/qr_mask.h"

QrSymbol QrBuildSymbol(const std::vector<uint8_t>& codewords, int version, QrLevel level, QrMaskRule rule) {
    const QrGrid function_template = QrFunctionTemplate(version);
    const QrGrid data = QrPlaceData(function_template, codewords);
    const int data_modules = 8 * QrTotalCodewords(version) + QrRemainderBits(version);
    const std::array<int, 8> penalties = rule == QrMaskRule::kStandard
                                             ? QrStandardMaskPenalties(function_template, data, level)
                                             : QrMaskPenalties(function_template, data, data_modules);
    const int mask = int(std::min_element(penalties.begin(), penalties.end()) - penalties.begin());

    const int n = function_template.size;
    QrSymbol symbol{version, mask, ModuleMatrix(n, n)};
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            const uint8_t module = function_template.At(r, c);
            const bool dark = module == kQrData ? (data.At(r, c) != 0) != QrMaskCondition(mask, r, c) : (module & 1) != 0;
            symbol.matrix.Set(c, r, dark);
        }
    const uint16_t format = QrFormatInfo(level, mask);
    for (int p = 0; p < 15; ++p) {
        const bool dark = (format >> (14 - p)) & 1;
        const QrFormatPosition f = QrFormatPositionOf(p, n);
        symbol.matrix.Set(f.column1, f.row1, dark);
        symbol.matrix.Set(f.column2, f.row2, dark);
    }
    return symbol;
}
