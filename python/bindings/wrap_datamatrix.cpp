#include "core/classes/matrix_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper_2d.h"
#include "symbologies/matrix/datamatrix.h"

namespace {

using DataMatrixWrapper = Wrapper<DataMatrix>;

}  // namespace

void RegisterDatamatrix(py::module_& m) {
    auto c = DefineClass<DataMatrixWrapper>(m, "DataMatrix");
    DefMatrixSetters(c);
    c.def("set_code_size", [](DataMatrixWrapper& w, const std::string& size) { w.Lock()->SetCodeSize(size); },
          py::arg("size"));
    c.def("set_encode_scheme",
          [](DataMatrixWrapper& w, const std::string& scheme) { w.Lock()->SetEncodeScheme(scheme); },
          py::arg("scheme"));
    c.def("set_gs1", [](DataMatrixWrapper& w, bool enabled) { w.Lock()->SetGS1(enabled); }, py::arg("enabled"));
    DefMatrixDraws(c);
}
