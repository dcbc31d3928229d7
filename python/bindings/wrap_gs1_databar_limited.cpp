#include "core/classes/databar_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper.h"
#include "symbologies/databar/gs1_databar_limited.h"

void RegisterGs1DatabarLimited(py::module_& m) {
    auto c = DefineClass<Wrapper<GS1DataBarLimited>>(m, "GS1DataBarLimited");
    DefLinearCommon(c);
}
