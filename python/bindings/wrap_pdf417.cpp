#include "core/classes/matrix_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper_2d.h"
#include "symbologies/matrix/pdf417.h"

namespace {

using PDF417Wrapper = Wrapper<PDF417>;

}  // namespace

void RegisterPdf417(py::module_& m) {
    auto c = DefineClass<PDF417Wrapper>(m, "PDF417");
    DefMatrixSetters(c);
    c.def("set_error_level", [](PDF417Wrapper& w, int level) { w.Lock()->SetErrorLevel(level); },
          py::arg("level"));
    c.def("set_columns", [](PDF417Wrapper& w, int columns) { w.Lock()->SetColumns(columns); },
          py::arg("columns"));
    c.def("set_rows", [](PDF417Wrapper& w, int rows) { w.Lock()->SetRows(rows); }, py::arg("rows"));
    c.def("set_aspect_ratio", [](PDF417Wrapper& w, double ratio) { w.Lock()->SetAspectRatio(ratio); },
          py::arg("ratio"));
    c.def("set_y_height", [](PDF417Wrapper& w, int y_height) { w.Lock()->SetYHeight(y_height); },
          py::arg("y_height"));
    DefMatrixDraws(c);
}
