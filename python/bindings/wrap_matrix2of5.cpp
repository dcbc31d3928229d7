#include "core/classes/linear_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper.h"
#include "symbologies/linear/matrix2of5.h"

void RegisterMatrix2of5(py::module_& m) {
    auto c = DefineClass<Wrapper<Matrix2of5>>(m, "Matrix2of5");
    DefLinearCommon(c);
}
