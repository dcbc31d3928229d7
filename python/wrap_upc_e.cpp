#include "python/registry.h"
#include "python/retail_wrapper.h"
#include "symbologies/retail/upc_e.h"

namespace {

void Register(py::module_& m) { RegisterRetailClass<UpcE>(m, "UPC_E"); }

const ClassRegistration kRegistration(12, &Register);

}  // namespace
