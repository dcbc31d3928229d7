#include "core/classes/yubin_customer_class.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper.h"
#include "symbologies/postal/yubin_customer.h"

namespace {

using YubinCustomerWrapper = Wrapper<YubinCustomer>;

// The drawing methods take only a height; the width follows from it. draw_with_width exists for
// callers that pass a width anyway and ignores it.
}  // namespace

void RegisterYubinCustomer(py::module_& m) {
    auto c = DefineClass<YubinCustomerWrapper>(m, "YubinCustomer");
    DefOutputAndColours(c);
    DefPxAdjust(c);
    c.def("draw",
          [](YubinCustomerWrapper& w, const std::string& code, int height) {
              return StringResult(w, [&](auto& s) { return s.DrawByHeight(code, 0, 0, height); });
          },
          py::arg("code"), py::arg("height"));
    c.def("draw_bytes",
          [](YubinCustomerWrapper& w, const std::string& code, int height) {
              return BytesResult(w, [&](auto& s) { return s.DrawByHeight(code, 0, 0, height); });
          },
          py::arg("code"), py::arg("height"));
    c.def("draw_to_file",
          [](YubinCustomerWrapper& w, const std::string& code, int height, const std::string& filepath) {
              FileResult(w, [&](auto& s) { return s.DrawByHeight(code, 0, 0, height); }, filepath);
          },
          py::arg("code"), py::arg("height"), py::arg("filepath"));
    c.def("draw_with_width",
          [](YubinCustomerWrapper& w, const std::string& code, int width, int height) {
              return StringResult(w, [&](auto& s) { return s.Draw(code, 0, 0, width, height); });
          },
          py::arg("code"), py::arg("width"), py::arg("height"));
}
