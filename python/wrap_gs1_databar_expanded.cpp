#include "python/registry.h"
#include "python/wrapper.h"
#include "symbologies/databar/gs1_databar_expanded.h"

namespace {

using ExpandedWrapper = Wrapper<GS1DataBarExpanded>;

void Register(py::module_& m) {
    py::class_<ExpandedWrapper> c(m, "GS1DataBarExpanded");
    c.def(py::init<>());
    DefLinearSetters(c);
    c.def(
        "set_symbol_type",
        [](ExpandedWrapper& w, const std::string& type) {
            if (type == "UNSTACKED") w.symbology->SetStacked(false);
            if (type == "STACKED") w.symbology->SetStacked(true);
        },
        py::arg("type"));
    c.def("set_no_of_columns", [](ExpandedWrapper& w, int columns) { w.symbology->SetColumns(columns); },
          py::arg("columns"));
    DefLinearDraws(c);
    c.def(
        "draw_stacked",
        [](ExpandedWrapper& w, const std::string& code, int width, int height) {
            w.symbology->SetStacked(true);
            return StringResult(*w.symbology, w.symbology->Draw(code, 0, 0, width, height));
        },
        py::arg("code"), py::arg("width"), py::arg("height"));
}

const ClassRegistration kRegistration(15, &Register);

}  // namespace
