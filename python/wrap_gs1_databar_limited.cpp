#include "python/registry.h"
#include "python/wrapper.h"
#include "symbologies/databar/gs1_databar_limited.h"

namespace {

void Register(py::module_& m) {
    py::class_<Wrapper<GS1DataBarLimited>> c(m, "GS1DataBarLimited");
    c.def(py::init<>());
    DefLinearCommon(c);
}

const ClassRegistration kRegistration(14, &Register);

}  // namespace
