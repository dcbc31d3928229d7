#include "python/class_list.h"
#include "python/wrapper.h"
#include "symbologies/linear/itf.h"

void RegisterItf(py::module_& m) {
    auto c = DefineClass<Wrapper<ITF>>(m, "ITF");
    DefLinearCommon(c);
}
