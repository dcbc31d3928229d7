#include "python/registry.h"
#include "python/retail_wrapper.h"
#include "symbologies/retail/jan13.h"

namespace {

void Register(py::module_& m) { RegisterRetailClass<Jan13>(m, "Jan13"); }

const ClassRegistration kRegistration(10, &Register);

}  // namespace
