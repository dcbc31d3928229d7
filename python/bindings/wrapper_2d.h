#pragma once
#include <string>

#include "python/bindings/wrapper.h"

// Method table pieces shared by the 2D classes (DataMatrix, QR, PDF417), whose symbology types
// derive from BarcodeBase2D.

// set_output_format, set_foreground_color, set_background_color, set_string_encoding.
template <class W>
void DefMatrixSetters(py::class_<W>& c) {
    DefOutputAndColours(c);
    c.def("set_string_encoding", [](W& w, const std::string& encoding) { w.Lock()->SetStringEncoding(encoding); },
          py::arg("encoding"));
}

// set_fit_width, then draw, draw_rect, draw_bytes, draw_to_file: the square draws go through
// DrawSquare(code, 0, 0, size), draw_rect through Draw(code, 0, 0, width, height).
template <class W>
void DefMatrixDraws(py::class_<W>& c) {
    DefFitWidth(c);
    c.def("draw",
          [](W& w, const std::string& code, int size) {
              return StringResult(w, [&](typename W::Type& s) { return s.DrawSquare(code, 0, 0, size); });
          },
          py::arg("code"), py::arg("size"));
    c.def("draw_rect",
          [](W& w, const std::string& code, int width, int height) {
              return StringResult(w, [&](typename W::Type& s) { return s.Draw(code, 0, 0, width, height); });
          },
          py::arg("code"), py::arg("width"), py::arg("height"));
    c.def("draw_bytes",
          [](W& w, const std::string& code, int size) {
              return BytesResult(w, [&](typename W::Type& s) { return s.DrawSquare(code, 0, 0, size); });
          },
          py::arg("code"), py::arg("size"));
    c.def("draw_to_file",
          [](W& w, const std::string& code, int size, const std::string& filepath) {
              FileResult(w, [&](typename W::Type& s) { return s.DrawSquare(code, 0, 0, size); }, filepath);
          },
          py::arg("code"), py::arg("size"), py::arg("filepath"));
}
