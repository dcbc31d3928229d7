#include "core/classes/retail_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/retail_wrapper.h"
#include "symbologies/retail/upc_a.h"

void RegisterUpcA(py::module_& m) { RegisterRetailClass<UpcA>(m, "UPC_A"); }
