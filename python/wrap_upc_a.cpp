#include "python/registry.h"
#include "python/retail_wrapper.h"
#include "symbologies/retail/upc_a.h"

namespace {

void Register(py::module_& m) { RegisterRetailClass<UpcA>(m, "UPC_A"); }

const ClassRegistration kRegistration(11, &Register);

}  // namespace
