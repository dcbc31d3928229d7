#include "python/bindings/error_translation.h"

#include <utility>

namespace py = pybind11;

namespace {

// The package's error classes (the native module never imports upward). Leaked on purpose: they
// must outlive any teardown order.
struct ErrorTypes {
    py::object invalid_data;
    py::object data_too_long;
    py::object invalid_option;
};

ErrorTypes& Types() {
    static ErrorTypes* types = new ErrorTypes();
    return *types;
}

py::object OrNone(long value) { return value >= 0 ? py::object(py::int_(value)) : py::object(py::none()); }

}  // namespace

void RaiseEncodeError(const EncodeError& error) {
    const ErrorTypes& types = Types();
    py::object instance;
    switch (error.Kind()) {
        case EncodeErrorKind::InvalidCharacter:
        case EncodeErrorKind::InvalidData:
            if (types.invalid_data)
                instance = types.invalid_data(error.what(), py::arg("position") = OrNone(error.Position()));
            break;
        case EncodeErrorKind::TooLong:
            if (types.data_too_long)
                instance = types.data_too_long(error.what(), py::arg("capacity") = OrNone(error.Capacity()));
            break;
        case EncodeErrorKind::InvalidOption:
        case EncodeErrorKind::TooLarge:
            if (types.invalid_option) instance = types.invalid_option(error.what());
            break;
    }
    if (!instance) throw py::value_error(error.what());  // the package is not loaded: plain ValueError
    PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(instance.ptr())), instance.ptr());
    throw py::error_already_set();
}

void RegisterErrorTypes(py::module_& m) {
    m.def(
        "_set_error_types",
        [](py::object invalid_data, py::object data_too_long, py::object invalid_option) {
            Types() = ErrorTypes{std::move(invalid_data), std::move(data_too_long), std::move(invalid_option)};
        },
        py::arg("invalid_data"), py::arg("data_too_long"), py::arg("invalid_option"),
        "The classes the encode and render functions raise: (message, position=) for invalid data, "
        "(message, capacity=) for data too long, (message) for an invalid option or a size over a limit.");
    // A test hook: raises the error an encoder would, so the translation is checked kind by kind.
    m.def(
        "_raise_encode_error",
        [](const std::string& kind, const std::string& message, long position, long capacity) {
            static const std::pair<const char*, EncodeErrorKind> kinds[] = {
                {"InvalidCharacter", EncodeErrorKind::InvalidCharacter},
                {"InvalidData", EncodeErrorKind::InvalidData},
                {"TooLong", EncodeErrorKind::TooLong},
                {"InvalidOption", EncodeErrorKind::InvalidOption},
                {"TooLarge", EncodeErrorKind::TooLarge},
            };
            for (const auto& [name, value] : kinds)
                if (kind == name) RaiseEncodeError(EncodeError(value, message, position, capacity));
            throw py::value_error("unknown kind " + kind);
        },
        py::arg("kind"), py::arg("message"), py::arg("position") = -1, py::arg("capacity") = -1);
}
