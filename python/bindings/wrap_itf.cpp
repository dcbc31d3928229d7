#include "core/classes/linear_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper.h"
#include "symbologies/linear/itf.h"

void RegisterItf(py::module_& m) {
    auto c = DefineClass<Wrapper<ITF>>(m, "ITF");
    DefLinearCommon(c);
}
