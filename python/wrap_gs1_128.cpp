#include "python/registry.h"
#include "python/wrapper.h"
#include "symbologies/linear/gs1_128.h"

namespace {

using GS1_128Wrapper = Wrapper<GS1_128>;

void Register(py::module_& m) {
    py::class_<GS1_128Wrapper> c(m, "GS1_128");
    c.def(py::init<>());
    DefLinearCommon(c);
    c.def("draw_convenience",
          [](GS1_128Wrapper& w, const std::string& code, int width, int height) {
              return StringResult(*w.symbology, w.symbology->DrawConvenience(code, 0, 0, width, height));
          },
          py::arg("code"), py::arg("width"), py::arg("height"));
    c.def("draw_convenience_bytes",
          [](GS1_128Wrapper& w, const std::string& code, int width, int height) {
              return BytesResult(*w.symbology, w.symbology->DrawConvenience(code, 0, 0, width, height));
          },
          py::arg("code"), py::arg("width"), py::arg("height"));
}

const ClassRegistration kRegistration(4, &Register);

}  // namespace
