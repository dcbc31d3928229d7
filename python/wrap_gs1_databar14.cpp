#include "python/registry.h"
#include "python/wrapper.h"
#include "symbologies/databar/gs1_databar14.h"

namespace {

using DataBar14Wrapper = Wrapper<GS1DataBar14>;

void Register(py::module_& m) {
    py::class_<DataBar14Wrapper> c(m, "GS1DataBar14");
    c.def(py::init<>());
    DefLinearSetters(c);
    c.def(
        "set_symbol_type",
        [](DataBar14Wrapper& w, const std::string& type) {
            if (type == "OMNIDIRECTIONAL") w.symbology->SetSymbolType(kDataBar14Omnidirectional);
            if (type == "STACKED") w.symbology->SetSymbolType(kDataBar14Stacked);
            if (type == "STACKED_OMNIDIRECTIONAL") w.symbology->SetSymbolType(kDataBar14StackedOmnidirectional);
        },
        py::arg("type"));
    c.def("get_symbol_type", [](DataBar14Wrapper& w) {
        switch (w.symbology->SymbolType()) {
        case kDataBar14Stacked: return "STACKED";
        case kDataBar14StackedOmnidirectional: return "STACKED_OMNIDIRECTIONAL";
        default: return "OMNIDIRECTIONAL";
        }
    });
    c.def("encode", [](DataBar14Wrapper& w, const std::string& content) { return w.symbology->Encode(content); },
          py::arg("content"));
    c.def_static("calculate_check_digit", &GS1DataBar14::CalculateCheckDigit, py::arg("src"));
    DefLinearDraws(c);
}

const ClassRegistration kRegistration(13, &Register);

}  // namespace
