// Module definition of _barcode_quor_native: multi-phase initialisation around pybind11's module_.
#include <pybind11/pybind11.h>

#include <cctype>
#include <cstring>
#include <string>

#include "python/bindings/class_list.h"
#include "python/bindings/error_translation.h"

namespace py = pybind11;

namespace {

std::string g_module_directory;

struct ProductInfo {};

void RegisterModuleFunctions(py::module_& m) {
    m.def(
        "_set_module_path", [](const std::string& path) { g_module_directory = path; }, py::arg("path"),
        "Set the module directory path for bundled font resolution");
    py::class_<ProductInfo>(m, "ProductInfo")
        .def_static("get_product_name", [] { return std::string("barcode_quor"); })
        .def_static("get_version", [] { return std::string("1.1.0"); })
        .def_static("get_manufacturer", [] { return std::string("The barcode_quor developers"); });
}

PyObject* CreateModule(PyObject* module_spec, PyModuleDef*) {
    PyObject* name = PyObject_GetAttrString(module_spec, "name");
    if (name == nullptr) {
        PyErr_Clear();
        PyErr_SetString(PyExc_ImportError, "module spec is missing a name");
        return nullptr;
    }
    PyObject* module = PyModule_NewObject(name);
    Py_DECREF(name);
    return module;
}

int ExecModule(PyObject* raw) {
    try {
        auto m = py::reinterpret_borrow<py::module_>(raw);
        m.doc() = "Barcode generation library for Python (Native C++ Extension)";
        RegisterAllClasses(m);
        RegisterGs1Functions(m);
        RegisterErrorTypes(m);
        RegisterEncodeRender(m);
        RegisterModuleFunctions(m);
        return 0;
    } catch (py::error_already_set&) {
        PyErr_Clear();
        PyErr_SetString(PyExc_ImportError, "initialization failed");
    } catch (const std::exception& e) {
        PyErr_SetString(PyExc_ImportError, e.what());
    }
    return -1;
}

PyModuleDef_Slot g_slots[] = {
    {Py_mod_create, reinterpret_cast<void*>(&CreateModule)},
    {Py_mod_exec, reinterpret_cast<void*>(&ExecModule)},
    {Py_mod_multiple_interpreters, Py_MOD_MULTIPLE_INTERPRETERS_NOT_SUPPORTED},
    {0, nullptr},
};

PyModuleDef g_definition = {
    PyModuleDef_HEAD_INIT, "_barcode_quor_native", nullptr, 0, nullptr, g_slots, nullptr, nullptr, nullptr,
};

}  // namespace

extern "C" PYBIND11_EXPORT PyObject* PyInit__barcode_quor_native() {
    const char* version = Py_GetVersion();
    if (std::strncmp(version, "3.13", 4) != 0 || std::isdigit(static_cast<unsigned char>(version[4]))) {
        PyErr_Format(PyExc_ImportError,
                     "Python version mismatch: module was compiled for Python %s, but the interpreter version is "
                     "incompatible: %s.",
                     "3.13", version);
        return nullptr;
    }
    try {
        py::detail::get_internals();
    } catch (py::error_already_set&) {
        PyErr_Clear();
        PyErr_SetString(PyExc_ImportError, "initialization failed");
        return nullptr;
    } catch (const std::exception& e) {
        PyErr_SetString(PyExc_ImportError, e.what());
        return nullptr;
    }
    return PyModuleDef_Init(&g_definition);
}
