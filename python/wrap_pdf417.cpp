#include "python/registry.h"
#include "python/wrapper_2d.h"
#include "symbologies/matrix/pdf417.h"

namespace {

using PDF417Wrapper = Wrapper<PDF417>;

void Register(py::module_& m) {
    py::class_<PDF417Wrapper> c(m, "PDF417");
    c.def(py::init<>());
    DefMatrixSetters(c);
    c.def("set_error_level", [](PDF417Wrapper& w, int level) { w.symbology->SetErrorLevel(level); },
          py::arg("level"));
    c.def("set_columns", [](PDF417Wrapper& w, int columns) { w.symbology->SetColumns(columns); },
          py::arg("columns"));
    c.def("set_rows", [](PDF417Wrapper& w, int rows) { w.symbology->SetRows(rows); }, py::arg("rows"));
    c.def("set_aspect_ratio", [](PDF417Wrapper& w, double ratio) { w.symbology->SetAspectRatio(ratio); },
          py::arg("ratio"));
    c.def("set_y_height", [](PDF417Wrapper& w, int y_height) { w.symbology->SetYHeight(y_height); },
          py::arg("y_height"));
    DefMatrixDraws(c);
}

const ClassRegistration kRegistration(19, &Register);

}  // namespace
