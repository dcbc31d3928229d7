#include "python/registry.h"
#include "python/wrapper.h"
#include "symbologies/linear/nw7.h"

namespace {

using NW7Wrapper = Wrapper<NW7>;

void Register(py::module_& m) {
    py::class_<NW7Wrapper> c(m, "NW7");
    c.def(py::init<>());
    DefLinearSetters(c);
    c.def("set_show_start_stop", [](NW7Wrapper& w, bool show) { w.symbology->SetShowStartStop(show); },
          py::arg("show"));
    DefLinearDraws(c);
}

const ClassRegistration kRegistration(5, &Register);

}  // namespace
