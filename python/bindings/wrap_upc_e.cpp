#include "core/classes/retail_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/retail_wrapper.h"
#include "symbologies/retail/upc_e.h"

void RegisterUpcE(py::module_& m) { RegisterRetailClass<UpcE>(m, "UPC_E"); }
