#include "python/bindings/wrapper.h"

#include <cerrno>
#include <cstdio>
#include <stdexcept>

DrawOutcome FetchResult(BarcodeBase& symbology, bool drawn, ResultKind kind) {
    DrawOutcome outcome;
    outcome.drawn = drawn;
    if (!drawn) return outcome;
    if (kind == ResultKind::Image) {
        outcome.image = symbology.GetImageData();
    } else {
        outcome.text = symbology.IsSvgMode() ? symbology.GetSvg() : symbology.GetImageBase64();
    }
    return outcome;
}

py::bytes ImageBytes(const DrawOutcome& outcome) {
    const std::vector<uint8_t>& data = outcome.image;
    PyObject* bytes = PyBytes_FromStringAndSize(reinterpret_cast<const char*>(data.data()), Py_ssize_t(data.size()));
    if (bytes == nullptr) {
        PyErr_Clear();
        throw std::runtime_error("Could not allocate bytes object!");
    }
    return py::reinterpret_steal<py::bytes>(bytes);
}

void RaiseFileError(const std::string& filepath, int error) {
    errno = error;
    PyErr_SetFromErrnoWithFilename(PyExc_OSError, filepath.c_str());
    throw py::error_already_set();
}

int WriteImageFile(const DrawOutcome& outcome, const std::string& filepath) {
    if (!outcome.drawn) return 0;
    const std::vector<uint8_t>& data = outcome.image;
    std::FILE* file = std::fopen(filepath.c_str(), "wb");
    if (file == nullptr) return errno ? errno : EIO;
    const bool written = data.empty() || std::fwrite(data.data(), 1, data.size(), file) == data.size();
    int error = errno;
    const bool closed = std::fclose(file) == 0;
    if (!closed && written) error = errno;
    if (written && closed) return 0;
    return error ? error : EIO;
}
