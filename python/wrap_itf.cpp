#include "python/registry.h"
#include "python/wrapper.h"
#include "symbologies/linear/itf.h"

namespace {

void Register(py::module_& m) {
    py::class_<Wrapper<ITF>> c(m, "ITF");
    c.def(py::init<>());
    DefLinearCommon(c);
}

const ClassRegistration kRegistration(6, &Register);

}  // namespace
