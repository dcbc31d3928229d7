#include "python/registry.h"
#include "python/wrapper.h"
#include "symbologies/linear/matrix2of5.h"

namespace {

void Register(py::module_& m) {
    py::class_<Wrapper<Matrix2of5>> c(m, "Matrix2of5");
    c.def(py::init<>());
    DefLinearCommon(c);
}

const ClassRegistration kRegistration(7, &Register);

}  // namespace
