#include "core/classes/retail_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/retail_wrapper.h"
#include "symbologies/retail/jan13.h"

void RegisterJan13(py::module_& m) { RegisterRetailClass<Jan13>(m, "Jan13"); }
