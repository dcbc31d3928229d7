#include "core/classes/databar_classes.h"
#include "python/bindings/class_list.h"
#include "python/bindings/wrapper.h"
#include "symbologies/databar/gs1_databar14.h"

namespace {

using DataBar14Wrapper = Wrapper<GS1DataBar14>;

}  // namespace

void RegisterGs1Databar14(py::module_& m) {
    auto c = DefineClass<DataBar14Wrapper>(m, "GS1DataBar14");
    DefLinearSetters(c);
    c.def(
        "set_symbol_type",
        [](DataBar14Wrapper& w, const std::string& type) {
            if (type == "OMNIDIRECTIONAL") w.Lock()->SetSymbolType(kDataBar14Omnidirectional);
            if (type == "STACKED") w.Lock()->SetSymbolType(kDataBar14Stacked);
            if (type == "STACKED_OMNIDIRECTIONAL") w.Lock()->SetSymbolType(kDataBar14StackedOmnidirectional);
        },
        py::arg("type"));
    c.def("get_symbol_type", [](DataBar14Wrapper& w) {
        switch (w.Lock()->SymbolType()) {
        case kDataBar14Stacked: return "STACKED";
        case kDataBar14StackedOmnidirectional: return "STACKED_OMNIDIRECTIONAL";
        default: return "OMNIDIRECTIONAL";
        }
    });
    c.def("encode", [](DataBar14Wrapper& w, const std::string& content) { return w.Lock()->Encode(content); },
          py::arg("content"));
    c.def_static("calculate_check_digit", &GS1DataBar14::CalculateCheckDigit, py::arg("src"));
    DefLinearDraws(c);
}
