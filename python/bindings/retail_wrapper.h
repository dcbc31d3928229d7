#pragma once
#include "python/bindings/wrapper.h"

// The method table shared by the four retail classes: the linear setters, set_extended_guard, draws.
template <class Symbology>
void RegisterRetailClass(py::module_& m, const char* name) {
    using W = Wrapper<Symbology>;
    auto c = DefineClass<W>(m, name);
    DefLinearSetters(c);
    c.def("set_extended_guard", [](W& w, bool extended) { w.Lock()->SetExtendedGuard(extended); },
          py::arg("extended"));
    DefLinearDraws(c);
}
