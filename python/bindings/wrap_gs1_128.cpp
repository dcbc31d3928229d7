#include "core/classes/gs1_128_class.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper.h"
#include "symbologies/linear/gs1_128.h"

namespace {

using GS1_128Wrapper = Wrapper<GS1_128>;

}  // namespace

void RegisterGs1128(py::module_& m) {
    auto c = DefineClass<GS1_128Wrapper>(m, "GS1_128");
    DefLinearCommon(c);
    c.def("draw_convenience",
          [](GS1_128Wrapper& w, const std::string& code, int width, int height) {
              return StringResult(w, [&](auto& s) { return s.DrawConvenience(code, 0, 0, width, height); });
          },
          py::arg("code"), py::arg("width"), py::arg("height"));
    c.def("draw_convenience_bytes",
          [](GS1_128Wrapper& w, const std::string& code, int width, int height) {
              return BytesResult(w, [&](auto& s) { return s.DrawConvenience(code, 0, 0, width, height); });
          },
          py::arg("code"), py::arg("width"), py::arg("height"));
}
