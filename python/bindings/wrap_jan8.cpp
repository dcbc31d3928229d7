#include "core/classes/retail_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/retail_wrapper.h"
#include "symbologies/retail/jan8.h"

void RegisterJan8(py::module_& m) { RegisterRetailClass<Jan8>(m, "Jan8"); }
