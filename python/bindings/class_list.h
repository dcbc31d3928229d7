#pragma once
#include <pybind11/pybind11.h>

// One registration function per Python class, defined in its wrap_<name>.cpp.
void RegisterCode39(pybind11::module_& m);
void RegisterCode93(pybind11::module_& m);
void RegisterCode128(pybind11::module_& m);
void RegisterGs1128(pybind11::module_& m);
void RegisterNw7(pybind11::module_& m);
void RegisterItf(pybind11::module_& m);
void RegisterMatrix2of5(pybind11::module_& m);
void RegisterNec2of5(pybind11::module_& m);
void RegisterJan8(pybind11::module_& m);
void RegisterJan13(pybind11::module_& m);
void RegisterUpcA(pybind11::module_& m);
void RegisterUpcE(pybind11::module_& m);
void RegisterGs1Databar14(pybind11::module_& m);
void RegisterGs1DatabarLimited(pybind11::module_& m);
void RegisterGs1DatabarExpanded(pybind11::module_& m);
void RegisterYubinCustomer(pybind11::module_& m);
void RegisterDatamatrix(pybind11::module_& m);
void RegisterQr(pybind11::module_& m);
void RegisterPdf417(pybind11::module_& m);
// The module-level GS1 element-string functions.
void RegisterGs1Functions(pybind11::module_& m);

// encode(), render(), the EncodedSymbol type and the error classes they raise.
void RegisterEncodeRender(pybind11::module_& m);

// Registers every class, in the module's class order.
void RegisterAllClasses(pybind11::module_& module);
