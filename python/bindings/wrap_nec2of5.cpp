#include "core/classes/linear_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper.h"
#include "symbologies/linear/nec2of5.h"

void RegisterNec2of5(py::module_& m) {
    auto c = DefineClass<Wrapper<NEC2of5>>(m, "NEC2of5");
    DefLinearCommon(c);
}
