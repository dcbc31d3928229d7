#pragma once
#include <pybind11/pybind11.h>

#include "core/model/encode_error.h"

// EncodeError as the package's own Python error classes, chosen by its kind: the one place the
// native module turns an EncodeError into a Python exception.
[[noreturn]] void RaiseEncodeError(const EncodeError& error);

// _set_error_types(): the package hands over its error classes at import.
void RegisterErrorTypes(pybind11::module_& m);
