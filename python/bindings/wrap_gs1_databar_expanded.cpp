#include "core/classes/databar_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper.h"
#include "symbologies/databar/gs1_databar_expanded.h"

namespace {

using ExpandedWrapper = Wrapper<GS1DataBarExpanded>;

}  // namespace

void RegisterGs1DatabarExpanded(py::module_& m) {
    auto c = DefineClass<ExpandedWrapper>(m, "GS1DataBarExpanded");
    DefLinearSetters(c);
    c.def(
        "set_symbol_type",
        [](ExpandedWrapper& w, const std::string& type) {
            if (type == "UNSTACKED") w.Lock()->SetStacked(false);
            if (type == "STACKED") w.Lock()->SetStacked(true);
        },
        py::arg("type"));
    c.def("set_no_of_columns", [](ExpandedWrapper& w, int columns) { w.Lock()->SetColumns(columns); },
          py::arg("columns"));
    DefLinearDraws(c);
    c.def(
        "draw_stacked",
        [](ExpandedWrapper& w, const std::string& code, int width, int height) {
            return StringResult(w, [&](auto& s) {
                s.SetStacked(true);
                return s.Draw(code, 0, 0, width, height);
            });
        },
        py::arg("code"), py::arg("width"), py::arg("height"));
}
