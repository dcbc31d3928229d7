#include "python/bindings/class_list.h"

namespace {

// The module's classes in their order: linear, retail, DataBar, postal, 2D.
using RegisterClassFn = void (*)(pybind11::module_&);
constexpr RegisterClassFn kClasses[] = {
    &RegisterCode39,
    &RegisterCode93,
    &RegisterCode128,
    &RegisterGs1128,
    &RegisterNw7,
    &RegisterItf,
    &RegisterMatrix2of5,
    &RegisterNec2of5,
    &RegisterJan8,
    &RegisterJan13,
    &RegisterUpcA,
    &RegisterUpcE,
    &RegisterGs1Databar14,
    &RegisterGs1DatabarLimited,
    &RegisterGs1DatabarExpanded,
    &RegisterYubinCustomer,
    &RegisterDatamatrix,
    &RegisterQr,
    &RegisterPdf417,
};

}  // namespace

void RegisterAllClasses(pybind11::module_& module) {
    for (RegisterClassFn register_class : kClasses) register_class(module);
}
