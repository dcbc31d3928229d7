#include "python/registry.h"
#include "python/wrapper.h"
#include "symbologies/linear/nec2of5.h"

namespace {

void Register(py::module_& m) {
    py::class_<Wrapper<NEC2of5>> c(m, "NEC2of5");
    c.def(py::init<>());
    DefLinearCommon(c);
}

const ClassRegistration kRegistration(8, &Register);

}  // namespace
