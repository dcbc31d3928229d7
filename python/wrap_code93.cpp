#include "python/registry.h"
#include "python/wrapper.h"
#include "symbologies/linear/code93.h"

namespace {

void Register(py::module_& m) {
    py::class_<Wrapper<Code93>> c(m, "Code93");
    c.def(py::init<>());
    DefLinearCommon(c);
}

const ClassRegistration kRegistration(2, &Register);

}  // namespace
