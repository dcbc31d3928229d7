// Module-level GS1 functions: reading, checking and rewriting element strings, and GS1 Digital
// Link URIs.
#include <pybind11/stl.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "gs1/digital_link.h"
#include "gs1/element_string.h"
#include "gs1/print_size_table.h"
#include "gs1/validation.h"
#include "python/bindings/class_list.h"
#include "python/bindings/error_translation.h"

namespace py = pybind11;

namespace {

GS1Form FormNamed(const std::string& form) {
    if (form == "bracketed") return GS1Form::kBracketed;
    if (form == "gs1_128") return GS1Form::kGS1_128;
    if (form == "databar_expanded") return GS1Form::kDataBarExpanded;
    throw std::invalid_argument("unknown form \"" + form + "\": use \"bracketed\", \"gs1_128\" or \"databar_expanded\"");
}

const char* HeightRuleName(MinimumHeight rule) {
    switch (rule) {
        case MinimumHeight::kModules: return "modules";
        case MinimumHeight::kMillimetres: return "mm";
        case MinimumHeight::kNone: break;
    }
    return "none";
}

}  // namespace

void RegisterGs1Functions(py::module_& m) {
    m.def(
        "gs1_parse",
        [](const std::string& data) {
            std::vector<std::pair<std::string, std::string>> fields;
            for (const GS1Element& e : ParseGS1(data)) fields.emplace_back(e.ai, e.data);
            return fields;
        },
        py::arg("data"),
        "Split a GS1 element string (bracketed, or the GS1_128 or GS1DataBarExpanded marker form) into "
        "(AI, data) pairs; ValueError for a malformed one. Checks syntax only.");
    m.def(
        "gs1_validate", [](const std::string& data) { ValidateGS1(ParseGS1(data)); }, py::arg("data"),
        "Check a GS1 element string against the GS1 AI table; ValueError naming the AI, the position in "
        "`data` and what is wrong.");
    m.def(
        "gs1_convert",
        [](const std::string& data, const std::string& form) { return FormatGS1(ParseGS1(data), FormNamed(form)); },
        py::arg("data"), py::arg("form"),
        "Rewrite a GS1 element string in the form \"bracketed\", \"gs1_128\" (what GS1_128 draws) or "
        "\"databar_expanded\" (what GS1DataBarExpanded draws).");
    m.def(
        "gs1_digital_link",
        [](const std::string& element_string, const std::string& domain) {
            try {
                return DigitalLinkFromElementString(element_string, domain);
            } catch (const EncodeError& error) {
                RaiseEncodeError(error);
            }
        },
        py::arg("element_string"), py::arg("domain") = "https://id.gs1.org",
        "The canonical GS1 Digital Link URI of an element string under domain; InvalidDataError (position at "
        "the faulty AI) for one that has no URI, InvalidOptionError for a domain that is not http(s).");
    m.def(
        "gs1_from_digital_link",
        [](const std::string& uri) {
            try {
                return ElementStringFromDigitalLink(uri);
            } catch (const EncodeError& error) {
                RaiseEncodeError(error);
            }
        },
        py::arg("uri"),
        "The bracketed element string a GS1 Digital Link URI carries; InvalidDataError (position the offset "
        "in the URI) for one that is not valid.");
    m.def(
        "gs1_print_size_tables",
        [] {
            std::size_t count = 0;
            const PrintSizeRow* rows = PrintSizeRows(&count);
            py::list result;
            for (std::size_t i = 0; i < count; ++i) {
                const PrintSizeRow& row = rows[i];
                py::dict d;
                d["application"] = row.application;
                d["symbology"] = row.symbology;
                d["x_mm"] = py::make_tuple(row.x_min_mm, row.x_target_mm, row.x_max_mm);
                d["height_rule"] = HeightRuleName(row.height_rule);
                d["min_height"] = row.min_height;
                d["source"] = row.source;
                result.append(d);
            }
            return py::tuple(result);
        },
        "GS1's symbol size rows: application, symbology, x_mm (minimum, target, maximum module "
        "width), height_rule (\"modules\": min_height is a multiple of X per row of bars; \"mm\": a fixed "
        "height; \"none\": a matrix symbol) and source.");
}
