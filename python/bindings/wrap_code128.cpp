#include "core/classes/linear_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper.h"
#include "symbologies/linear/code128.h"

namespace {

using Code128Wrapper = Wrapper<Code128>;

// "AUTO", "A", "B", "C"; any other string keeps the current mode.
void SetCodeMode(Code128& symbology, const std::string& mode) {
    if (mode == "AUTO") symbology.SetCodeMode(Code128Mode::kAuto);
    else if (mode == "A") symbology.SetCodeMode(Code128Mode::kCodeA);
    else if (mode == "B") symbology.SetCodeMode(Code128Mode::kCodeB);
    else if (mode == "C") symbology.SetCodeMode(Code128Mode::kCodeC);
}

}  // namespace

void RegisterCode128(py::module_& m) {
    auto c = DefineClass<Code128Wrapper>(m, "Code128");
    DefLinearSetters(c);
    c.def("set_code_mode", [](Code128Wrapper& w, const std::string& mode) { SetCodeMode(*w.Lock(), mode); },
          py::arg("mode"));
    DefLinearDraws(c);
}
