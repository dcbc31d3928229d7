#include "python/registry.h"
#include "python/wrapper.h"
#include "symbologies/linear/code39.h"

namespace {

using Code39Wrapper = Wrapper<Code39>;

void Register(py::module_& m) {
    py::class_<Code39Wrapper> c(m, "Code39");
    c.def(py::init<>());
    DefLinearSetters(c);
    c.def("set_show_start_stop", [](Code39Wrapper& w, bool show) { w.symbology->SetShowStartStop(show); },
          py::arg("show"));
    DefLinearDraws(c);
}

const ClassRegistration kRegistration(1, &Register);

}  // namespace
