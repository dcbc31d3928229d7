// Module-level entry to the smallest-symbol encoders, for tests that compare symbol sizes with other
// encoders and read the symbols back.
#include <pybind11/pybind11.h>

#include <string>

#include "python/bindings/class_list.h"
#include "symbologies/matrix/datamatrix_minimal.h"
#include "symbologies/matrix/qr_segments.h"

namespace py = pybind11;

namespace {

QrLevel LevelNamed(const std::string& level) {
    if (level == "L") return QrLevel::L;
    if (level == "Q") return QrLevel::Q;
    if (level == "H") return QrLevel::H;
    return QrLevel::M;
}

// (columns, rows, one byte per module row by row: 1 dark, 0 light)
py::tuple MatrixTuple(const ModuleMatrix& matrix) {
    std::string modules;
    modules.reserve(size_t(matrix.Columns()) * size_t(matrix.Rows()));
    for (int r = 0; r < matrix.Rows(); ++r)
        for (int c = 0; c < matrix.Columns(); ++c) modules += char(matrix.Get(c, r) ? 1 : 0);
    return py::make_tuple(matrix.Columns(), matrix.Rows(), py::bytes(modules));
}

}  // namespace

void RegisterSmallestFunctions(py::module_& m) {
    m.def(
        "_smallest_symbol",
        [](const std::string& symbology, const py::bytes& data, bool gs1, const std::string& level, int eci,
           bool kanji) {
            const std::string bytes = data;
            if (symbology == "datamatrix") return MatrixTuple(EncodeDataMatrixMinimalSymbol(bytes, gs1));
            if (symbology != "qr") throw py::value_error("symbology is datamatrix or qr");
            QrMixedOptions options;
            options.gs1 = gs1;
            options.eci = eci;
            options.kanji = kanji;
            return MatrixTuple(EncodeQrMixed(bytes, LevelNamed(level), options).matrix);
        },
        py::arg("symbology"), py::arg("data"), py::arg("gs1") = false, py::arg("level") = "M", py::arg("eci") = -1,
        py::arg("kanji") = false,
        "Data Matrix with the fewest codewords, or QR Code in mixed segments, in the smallest size: "
        "(columns, rows, modules row by row)");
}
