#pragma once
#include <pybind11/pybind11.h>

#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "core/classes/barcode_base.h"

namespace py = pybind11;

// A symbology object with its lock held for one call. The lock is taken with the interpreter lock
// released when another thread holds it, so a thread drawing without the interpreter lock can
// finish while this one waits.
template <class Symbology>
class LockedSymbology {
public:
    explicit LockedSymbology(Symbology& symbology) : symbology_(symbology), lock_(symbology.DrawMutex(), std::try_to_lock) {
        if (!lock_.owns_lock()) {
            py::gil_scoped_release release;
            lock_.lock();
        }
    }
    Symbology* operator->() const { return &symbology_; }
    Symbology& operator*() const { return symbology_; }

private:
    Symbology& symbology_;
    std::unique_lock<std::mutex> lock_;
};

// A Python object owns exactly one symbology object, created with output format "png".
template <class Symbology>
struct Wrapper {
    using Type = Symbology;
    std::unique_ptr<Symbology> symbology = std::make_unique<Symbology>("png");

    LockedSymbology<Symbology> Lock() { return LockedSymbology<Symbology>(*symbology); }
};

// What a draw leaves for Python: whether it drew, and its result fetched under the same lock.
struct DrawOutcome {
    bool drawn = false;
    std::string text;            // SVG document or data URI
    std::vector<uint8_t> image;  // PNG or JPEG bytes
};

enum class ResultKind { Text, Image };

// Runs `draw` and fetches its result with the interpreter lock released and the object's lock held
// from the draw to the fetch, so that threads drawing on one object each get their own result.
DrawOutcome FetchResult(BarcodeBase& symbology, bool drawn, ResultKind kind);

template <class W, class Draw>
DrawOutcome RunDraw(W& w, ResultKind kind, Draw&& draw) {
    py::gil_scoped_release release;
    std::lock_guard<std::mutex> lock(w.symbology->DrawMutex());
    return FetchResult(*w.symbology, draw(*w.symbology), kind);
}

// Results of a draw, as the Python methods hand them back: the SVG text or data URI ("" when not
// drawn), the image bytes (b"" when not drawn), or the image written to a file (OSError naming the
// path when it cannot be written).
template <class W, class Draw>
py::str StringResult(W& w, Draw&& draw) {
    return py::str(RunDraw(w, ResultKind::Text, std::forward<Draw>(draw)).text);
}
py::bytes ImageBytes(const DrawOutcome& outcome);
template <class W, class Draw>
py::bytes BytesResult(W& w, Draw&& draw) {
    return ImageBytes(RunDraw(w, ResultKind::Image, std::forward<Draw>(draw)));
}
// The error number of a failed write (0 when written or when nothing was drawn).
int WriteImageFile(const DrawOutcome& outcome, const std::string& filepath);
[[noreturn]] void RaiseFileError(const std::string& filepath, int error);
template <class W, class Draw>
void FileResult(W& w, Draw&& draw, const std::string& filepath) {
    int error = 0;
    {
        const DrawOutcome outcome = RunDraw(w, ResultKind::Image, std::forward<Draw>(draw));
        py::gil_scoped_release release;
        error = WriteImageFile(outcome, filepath);
    }
    if (error != 0) RaiseFileError(filepath, error);
}

// The methods every class has beyond its own table: fixed module size, quiet zone, size in
// modules, failure reporting, resolution.
template <class W>
void DefOutputControls(py::class_<W>& c) {
    c.def("set_module_size", [](W& w, int pixels) { w.Lock()->SetModuleSize(pixels); }, py::arg("pixels"));
    c.def(
        "set_quiet_zone",
        [](W& w, int left, int top, int right, int bottom) {
            QuietZone zone;
            zone.left = left;
            zone.top = top;
            zone.right = right;
            zone.bottom = bottom;
            w.Lock()->SetQuietZone(zone);
        },
        py::arg("left"), py::arg("top"), py::arg("right"), py::arg("bottom"));
    c.def(
        "symbol_size",
        [](W& w, const std::string& code) {
            auto locked = w.Lock();
            try {
                return locked->SymbolSize(code);
            } catch (const std::exception& e) {
                throw py::value_error(e.what());
            }
        },
        py::arg("code"));
    c.def("set_report_errors", [](W& w, bool report) { w.Lock()->SetReportErrors(report); }, py::arg("report"));
    c.def("last_error", [](W& w) { return w.Lock()->LastError(); });
    c.def("set_dpi", [](W& w, int dpi) { w.Lock()->SetDpi(dpi); }, py::arg("dpi"));
}

// A class object with its constructor and the output controls; the class's own table follows.
template <class W>
py::class_<W> DefineClass(py::module_& m, const char* name) {
    py::class_<W> c(m, name);
    c.def(py::init<>());
    DefOutputControls(c);
    return c;
}

// set_output_format, set_foreground_color, set_background_color.
template <class W>
void DefOutputAndColours(py::class_<W>& c) {
    c.def("set_output_format", [](W& w, const std::string& format) { w.Lock()->SetOutputFormat(format); },
          py::arg("format"));
    c.def("set_foreground_color",
          [](W& w, int r, int g, int b, int a) { w.Lock()->SetForegroundColor(r, g, b, a); }, py::arg("r"),
          py::arg("g"), py::arg("b"), py::arg("a") = 255);
    c.def("set_background_color",
          [](W& w, int r, int g, int b, int a) { w.Lock()->SetBackgroundColor(r, g, b, a); }, py::arg("r"),
          py::arg("g"), py::arg("b"), py::arg("a") = 255);
}

template <class W>
void DefPxAdjust(py::class_<W>& c) {
    c.def("set_px_adjust_black", [](W& w, int adjust) { w.Lock()->SetPxAdjustBlack(adjust); },
          py::arg("adjust"));
    c.def("set_px_adjust_white", [](W& w, int adjust) { w.Lock()->SetPxAdjustWhite(adjust); },
          py::arg("adjust"));
}

template <class W>
void DefFitWidth(py::class_<W>& c) {
    c.def("set_fit_width", [](W& w, bool fit) { w.Lock()->SetFitWidth(fit); }, py::arg("fit"));
}

// The setters every linear class has, in their order, up to set_text_even_spacing.
template <class W>
void DefLinearSetters(py::class_<W>& c) {
    DefOutputAndColours(c);
    DefPxAdjust(c);
    DefFitWidth(c);
    c.def("set_show_text", [](W& w, bool show) { w.Lock()->SetShowText(show); }, py::arg("show"));
    c.def("set_text_gap", [](W& w, float scale) { w.Lock()->SetTextGapScale(scale); }, py::arg("scale"));
    c.def("set_text_font_scale", [](W& w, float scale) { w.Lock()->SetTextFontScale(scale); },
          py::arg("scale"));
    c.def("set_text_even_spacing", [](W& w, bool even) { w.Lock()->SetTextEvenSpacing(even); },
          py::arg("even"));
    c.def("height_for_bars", [](W& w, int bars) { return w.Lock()->HeightForBars(bars); }, py::arg("bars"));
}

// draw, draw_bytes, draw_to_file of the linear classes, through Draw(code, 0, 0, width, height).
template <class W>
void DefLinearDraws(py::class_<W>& c) {
    c.def("draw",
          [](W& w, const std::string& code, int width, int height) {
              return StringResult(w, [&](typename W::Type& s) { return s.Draw(code, 0, 0, width, height); });
          },
          py::arg("code"), py::arg("width"), py::arg("height"));
    c.def("draw_bytes",
          [](W& w, const std::string& code, int width, int height) {
              return BytesResult(w, [&](typename W::Type& s) { return s.Draw(code, 0, 0, width, height); });
          },
          py::arg("code"), py::arg("width"), py::arg("height"));
    c.def("draw_to_file",
          [](W& w, const std::string& code, int width, int height, const std::string& filepath) {
              FileResult(w, [&](typename W::Type& s) { return s.Draw(code, 0, 0, width, height); }, filepath);
          },
          py::arg("code"), py::arg("width"), py::arg("height"), py::arg("filepath"));
}

// The complete method table of a linear class with no methods of its own.
template <class W>
void DefLinearCommon(py::class_<W>& c) {
    DefLinearSetters(c);
    DefLinearDraws(c);
}
