#include "python/wrapper.h"

#include <cerrno>
#include <cstdio>
#include <stdexcept>

py::str StringResult(BarcodeBase& symbology, bool drawn) {
    if (!drawn) return py::str("");
    return py::str(symbology.IsSvgMode() ? symbology.GetSvg() : symbology.GetImageBase64());
}

py::bytes BytesResult(BarcodeBase& symbology, bool drawn) {
    if (!drawn) return py::bytes("", 0);
    const std::vector<uint8_t> data = symbology.GetImageData();
    PyObject* bytes = PyBytes_FromStringAndSize(reinterpret_cast<const char*>(data.data()), Py_ssize_t(data.size()));
    if (bytes == nullptr) {
        PyErr_Clear();
        throw std::runtime_error("Could not allocate bytes object!");
    }
    return py::reinterpret_steal<py::bytes>(bytes);
}

namespace {

[[noreturn]] void RaiseFileError(const std::string& filepath, int error) {
    errno = error;
    PyErr_SetFromErrnoWithFilename(PyExc_OSError, filepath.c_str());
    throw py::error_already_set();
}

}  // namespace

void FileResult(BarcodeBase& symbology, bool drawn, const std::string& filepath) {
    if (!drawn) return;
    const std::vector<uint8_t> data = symbology.GetImageData();
    std::FILE* file = std::fopen(filepath.c_str(), "wb");
    if (file == nullptr) RaiseFileError(filepath, errno);
    const bool written = data.empty() || std::fwrite(data.data(), 1, data.size(), file) == data.size();
    int error = errno;
    const bool closed = std::fclose(file) == 0;
    if (!closed && written) error = errno;
    if (!written || !closed) RaiseFileError(filepath, error ? error : EIO);
}
