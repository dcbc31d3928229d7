#include "core/classes/linear_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper.h"
#include "symbologies/linear/code93.h"

void RegisterCode93(py::module_& m) {
    auto c = DefineClass<Wrapper<Code93>>(m, "Code93");
    DefLinearCommon(c);
}
