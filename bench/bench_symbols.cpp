#include "bench/bench_symbols.h"

#include "symbologies/linear/code128.h"
#include "symbologies/matrix/datamatrix_symbol.h"
#include "symbologies/matrix/datamatrix_sizes.h"
#include "symbologies/matrix/pdf417_symbol.h"
#include "symbologies/matrix/qr.h"
#include "symbologies/retail/jan13.h"

namespace {

// Bar and space widths (a bar first) as one row of modules.
SymbolRow RowOfWidths(const ModuleWidths& widths) {
    SymbolRow row;
    for (size_t i = 0; i < widths.size(); ++i) row.modules.insert(row.modules.end(), size_t(widths[i]), i % 2 == 0);
    return row;
}

EncodedSymbol Matrix(const ModuleMatrix& m, double row_height, double quiet) {
    EncodedSymbol s;
    s.shape = SymbolShape::Matrix;
    s.width = m.Columns();
    for (int r = 0; r < m.Rows(); ++r) {
        SymbolRow row;
        row.height = row_height;
        for (int c = 0; c < m.Columns(); ++c) row.modules.push_back(m.Get(c, r));
        s.rows.push_back(row);
    }
    s.quiet_zone = {quiet, quiet, quiet, quiet};
    return s;
}

// Guards reach 5 modules into the digits; the first digit stands in the left quiet zone and the
// other twelve under the centres of their symbol characters (ISO/IEC 15420).
EncodedSymbol Ean13(const std::string& text) {
    const std::string digits = CompleteJan13(text);
    EncodedSymbol s;
    s.rows.push_back(RowOfWidths(EncodeJan13(text)));
    s.width = int(s.rows[0].modules.size());
    s.bar_height = 69.24;
    s.guard_descent = 5.0;
    s.face = TextFace::OcrB;
    s.quiet_zone = {11, 0, 7, 0};
    s.rows[0].extends.assign(size_t(s.width), 0);
    for (int m : {0, 1, 2, 45, 46, 47, 48, 49, 92, 93, 94}) s.rows[0].extends[size_t(m)] = 1;
    s.text.push_back({digits.substr(0, 1), -7.75, 0, TextRole::Outer, 0.0});
    for (int k = 1; k <= 12; ++k)
        s.text.push_back({digits.substr(size_t(k), 1), (k <= 6 ? 3 + 7 * (k - 1) : 50 + 7 * (k - 7)) + 3.5, 0,
                          TextRole::Main, 0.0});
    return s;
}

}  // namespace

EncodedSymbol BenchSymbol(BenchSymbology symbology, const std::string& text) {
    switch (symbology) {
        case BenchSymbology::Code128: {
            EncodedSymbol s;
            s.rows.push_back(RowOfWidths(EncodeCode128(text, Code128Mode::kAuto)));
            s.width = int(s.rows[0].modules.size());
            s.bar_height = 50.0;  // libzint's default
            s.quiet_zone = {10, 0, 10, 0};
            s.text.push_back({text, s.width / 2.0, 0, TextRole::Main, 0.0});
            return s;
        }
        case BenchSymbology::Ean13: return Ean13(text);
        case BenchSymbology::Qr: return Matrix(EncodeQr(text, QrMode::Byte, QrLevel::M, 0).matrix, 1.0, 4.0);
        case BenchSymbology::DataMatrix:
            return Matrix(EncodeDataMatrix(text, DataMatrixScheme::kAuto, kDataMatrixAutoSize), 1.0, 1.0);
        case BenchSymbology::Pdf417: {
            const Pdf417Settings settings;
            return Matrix(Pdf417Encoder(settings).Encode(text), settings.row_height, 2.0);
        }
    }
    return {};
}
