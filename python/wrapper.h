#pragma once
#include <pybind11/pybind11.h>

#include <memory>
#include <string>

#include "core/barcode_base.h"

namespace py = pybind11;

// A Python object owns exactly one symbology object, created with output format "png".
template <class Symbology>
struct Wrapper {
    std::unique_ptr<Symbology> symbology = std::make_unique<Symbology>("png");
};

// Results of a draw, as the Python methods hand them back.
py::str StringResult(BarcodeBase& symbology, bool drawn);   // SVG text or data URI; "" when not drawn
py::bytes BytesResult(BarcodeBase& symbology, bool drawn);  // PNG/JPEG bytes; b"" when not drawn
// Writes the image bytes to `filepath`; raises OSError naming the path when it cannot be written.
void FileResult(BarcodeBase& symbology, bool drawn, const std::string& filepath);

// set_output_format, set_foreground_color, set_background_color.
template <class W>
void DefOutputAndColours(py::class_<W>& c) {
    c.def("set_output_format", [](W& w, const std::string& format) { w.symbology->SetOutputFormat(format); },
          py::arg("format"));
    c.def("set_foreground_color",
          [](W& w, int r, int g, int b, int a) { w.symbology->SetForegroundColor(r, g, b, a); }, py::arg("r"),
          py::arg("g"), py::arg("b"), py::arg("a") = 255);
    c.def("set_background_color",
          [](W& w, int r, int g, int b, int a) { w.symbology->SetBackgroundColor(r, g, b, a); }, py::arg("r"),
          py::arg("g"), py::arg("b"), py::arg("a") = 255);
}

template <class W>
void DefPxAdjust(py::class_<W>& c) {
    c.def("set_px_adjust_black", [](W& w, int adjust) { w.symbology->SetPxAdjustBlack(adjust); },
          py::arg("adjust"));
    c.def("set_px_adjust_white", [](W& w, int adjust) { w.symbology->SetPxAdjustWhite(adjust); },
          py::arg("adjust"));
}

template <class W>
void DefFitWidth(py::class_<W>& c) {
    c.def("set_fit_width", [](W& w, bool fit) { w.symbology->SetFitWidth(fit); }, py::arg("fit"));
}

// The setters every linear class has, in their order, up to set_text_even_spacing.
template <class W>
void DefLinearSetters(py::class_<W>& c) {
    DefOutputAndColours(c);
    DefPxAdjust(c);
    DefFitWidth(c);
    c.def("set_show_text", [](W& w, bool show) { w.symbology->SetShowText(show); }, py::arg("show"));
    c.def("set_text_gap", [](W& w, float scale) { w.symbology->SetTextGapScale(scale); }, py::arg("scale"));
    c.def("set_text_font_scale", [](W& w, float scale) { w.symbology->SetTextFontScale(scale); },
          py::arg("scale"));
    c.def("set_text_even_spacing", [](W& w, bool even) { w.symbology->SetTextEvenSpacing(even); },
          py::arg("even"));
}

// draw, draw_bytes, draw_to_file of the linear classes, through Draw(code, 0, 0, width, height).
template <class W>
void DefLinearDraws(py::class_<W>& c) {
    c.def("draw",
          [](W& w, const std::string& code, int width, int height) {
              return StringResult(*w.symbology, w.symbology->Draw(code, 0, 0, width, height));
          },
          py::arg("code"), py::arg("width"), py::arg("height"));
    c.def("draw_bytes",
          [](W& w, const std::string& code, int width, int height) {
              return BytesResult(*w.symbology, w.symbology->Draw(code, 0, 0, width, height));
          },
          py::arg("code"), py::arg("width"), py::arg("height"));
    c.def("draw_to_file",
          [](W& w, const std::string& code, int width, int height, const std::string& filepath) {
              FileResult(*w.symbology, w.symbology->Draw(code, 0, 0, width, height), filepath);
          },
          py::arg("code"), py::arg("width"), py::arg("height"), py::arg("filepath"));
}

// The complete method table of a linear class with no methods of its own.
template <class W>
void DefLinearCommon(py::class_<W>& c) {
    DefLinearSetters(c);
    DefLinearDraws(c);
}
