#include "core/classes/linear_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper.h"
#include "symbologies/linear/nw7.h"

namespace {

using NW7Wrapper = Wrapper<NW7>;

}  // namespace

void RegisterNw7(py::module_& m) {
    auto c = DefineClass<NW7Wrapper>(m, "NW7");
    DefLinearSetters(c);
    c.def("set_show_start_stop", [](NW7Wrapper& w, bool show) { w.Lock()->SetShowStartStop(show); },
          py::arg("show"));
    DefLinearDraws(c);
}
