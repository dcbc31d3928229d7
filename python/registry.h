#pragma once
#include <pybind11/pybind11.h>

// Each wrapper source registers its Python class here with its place in the module's class order,
// so adding a class touches no shared file.
using RegisterClassFn = void (*)(pybind11::module_&);

struct ClassRegistration {
    ClassRegistration(int order, RegisterClassFn fn);
};

// Calls every registered function in ascending order.
void RegisterAllClasses(pybind11::module_& module);
