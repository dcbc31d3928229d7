#include "python/registry.h"
#include "python/wrapper_2d.h"
#include "symbologies/matrix/datamatrix.h"

namespace {

using DataMatrixWrapper = Wrapper<DataMatrix>;

void Register(py::module_& m) {
    py::class_<DataMatrixWrapper> c(m, "DataMatrix");
    c.def(py::init<>());
    DefMatrixSetters(c);
    c.def("set_code_size", [](DataMatrixWrapper& w, const std::string& size) { w.symbology->SetCodeSize(size); },
          py::arg("size"));
    c.def("set_encode_scheme",
          [](DataMatrixWrapper& w, const std::string& scheme) { w.symbology->SetEncodeScheme(scheme); },
          py::arg("scheme"));
    c.def("set_gs1", [](DataMatrixWrapper& w, bool enabled) { w.symbology->SetGS1(enabled); }, py::arg("enabled"));
    DefMatrixDraws(c);
}

const ClassRegistration kRegistration(17, &Register);

}  // namespace
