#include "core/classes/matrix_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper_2d.h"
#include "symbologies/matrix/qr.h"

namespace {

using QRWrapper = Wrapper<QR>;

int LevelCode(const std::string& level) {
    if (level == "L") return 0;
    if (level == "Q") return 2;
    if (level == "H") return 3;
    return 1;  // "M" and every string not recognised
}

const char* ModeLetter(const std::string& mode) {
    if (mode == "NUMERIC") return "N";
    if (mode == "ALPHANUMERIC") return "A";
    if (mode == "KANJI") return "K";
    return "B";  // "AUTO", "BYTE" and every string not recognised
}

}  // namespace

void RegisterQr(py::module_& m) {
    auto c = DefineClass<QRWrapper>(m, "QR");
    DefMatrixSetters(c);
    c.def("set_error_correction_level",
          [](QRWrapper& w, const std::string& level) { w.Lock()->SetErrorCorrectionLevel(LevelCode(level)); },
          py::arg("level"));
    c.def("set_version", [](QRWrapper& w, int version) { w.Lock()->SetVersion(version); }, py::arg("version"));
    c.def("set_encode_mode", [](QRWrapper& w, const std::string& mode) { w.Lock()->SetEncodeMode(ModeLetter(mode)); },
          py::arg("mode"));
    c.def("set_gs1", [](QRWrapper& w, bool enabled) { w.Lock()->SetGS1(enabled); }, py::arg("enabled"));
    DefMatrixDraws(c);
}
