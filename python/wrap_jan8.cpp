#include "python/registry.h"
#include "python/retail_wrapper.h"
#include "symbologies/retail/jan8.h"

namespace {

void Register(py::module_& m) { RegisterRetailClass<Jan8>(m, "Jan8"); }

const ClassRegistration kRegistration(9, &Register);

}  // namespace
