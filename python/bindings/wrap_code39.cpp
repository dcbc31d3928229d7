#include "core/classes/linear_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper.h"
#include "symbologies/linear/code39.h"

namespace {

using Code39Wrapper = Wrapper<Code39>;

}  // namespace

void RegisterCode39(py::module_& m) {
    auto c = DefineClass<Code39Wrapper>(m, "Code39");
    DefLinearSetters(c);
    c.def("set_show_start_stop", [](Code39Wrapper& w, bool show) { w.Lock()->SetShowStartStop(show); },
          py::arg("show"));
    DefLinearDraws(c);
}
