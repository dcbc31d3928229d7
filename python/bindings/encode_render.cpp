// The encode step and the render step as Python functions: encode() makes an immutable
// EncodedSymbol once, render() draws it to any kind as often as asked (without the GIL).
#include <pybind11/stl.h>

#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/model/encode_error.h"
#include "core/render/render.h"
#include "core/render/render_limits.h"
#include "python/bindings/class_list.h"
#include "python/bindings/error_translation.h"
#include "symbologies/registry.h"

namespace py = pybind11;

namespace {

[[noreturn]] void RefuseOption(const std::string& message) {
    RaiseEncodeError(EncodeError(EncodeErrorKind::InvalidOption, message));
}

// Keyword arguments onto a struct's named fields, one setter per name.
template <class Options>
using Setter = void (*)(Options&, const py::handle&);

template <class Options, auto Member>
void SetField(Options& options, const py::handle& value) {
    using Field = std::remove_reference_t<decltype(options.*Member)>;
    options.*Member = value.cast<Field>();
}

template <class Options>
Options FromKeywords(const py::kwargs& given, const std::map<std::string, Setter<Options>>& setters,
                     const char* what) {
    Options options;
    for (const auto& [key, value] : given) {
        const std::string name = py::str(key);
        auto setter = setters.find(name);
        if (setter == setters.end()) RefuseOption(std::string("unknown ") + what + " option '" + name + "'");
        try {
            setter->second(options, value);
        } catch (const py::cast_error&) {
            RefuseOption(std::string("invalid ") + what + " option " + name + "=" + std::string(py::repr(value)));
        }
    }
    return options;
}

const std::map<std::string, Setter<EncodeOptions>>& EncodeSetters() {
    using O = EncodeOptions;
    static const std::map<std::string, Setter<O>> setters = {
        {"gs1_validate", SetField<O, &O::gs1_validate>},
        {"show_start_stop", SetField<O, &O::show_start_stop>},
        {"mode", SetField<O, &O::mode>},
        {"code_sets", SetField<O, &O::code_sets>},
        {"reader_init", SetField<O, &O::reader_init>},
        {"error", SetField<O, &O::error>},
        {"version", SetField<O, &O::version>},
        {"encoding", SetField<O, &O::encoding>},
        {"eci", SetField<O, &O::eci>},
        {"compact", SetField<O, &O::compact>},
        {"size", SetField<O, &O::size>},
        {"shape", SetField<O, &O::shape>},
        {"scheme", SetField<O, &O::scheme>},
        {"columns", SetField<O, &O::columns>},
        {"rows", SetField<O, &O::rows>},
        {"error_level", SetField<O, &O::error_level>},
        {"aspect_ratio", SetField<O, &O::aspect_ratio>},
        {"row_height", SetField<O, &O::row_height>},
        {"extended_guard", SetField<O, &O::extended_guard>},
        {"addon", SetField<O, &O::addon>},
        {"bearer", SetField<O, &O::bearer>},
        {"composite", SetField<O, &O::composite>},
        {"composite_type", SetField<O, &O::composite_type>},
        {"check", SetField<O, &O::check>},
        {"pzn7", SetField<O, &O::pzn7>},
        {"error_percent", SetField<O, &O::error_percent>},
        {"layers", SetField<O, &O::layers>},
        {"structured_append", SetField<O, &O::structured_append>},
    };
    return setters;
}

ModuleMargins MarginsFrom(const py::handle& value) {
    auto [left, top, right, bottom] = value.cast<std::tuple<double, double, double, double>>();
    return ModuleMargins{left, top, right, bottom};
}

Rgba ColourFrom(const py::handle& value) {
    auto [r, g, b, a] = value.cast<std::tuple<uint8_t, uint8_t, uint8_t, uint8_t>>();
    return Rgba{r, g, b, a};
}

const std::map<std::string, Setter<RenderOptions>>& RenderSetters() {
    using O = RenderOptions;
    static const std::map<std::string, Setter<O>> setters = {
        {"module_pixels", SetField<O, &O::module_pixels>},
        {"module_mm", SetField<O, &O::module_mm>},
        {"dpi", SetField<O, &O::dpi>},
        {"quiet_zone", [](O& o, const py::handle& v) { o.quiet_zone = MarginsFrom(v); }},
        {"bar_height", SetField<O, &O::bar_height>},
        {"bar_height_pixels", SetField<O, &O::bar_height_pixels>},
        {"show_text", SetField<O, &O::show_text>},
        // None keeps the symbol's own text; a string (even empty) replaces it.
        {"text",
         [](O& o, const py::handle& v) {
             o.replace_text = !v.is_none();
             o.text = o.replace_text ? v.cast<std::string>() : std::string();
         }},
        {"font", SetField<O, &O::font>},
        {"text_size_mm", SetField<O, &O::text_size_mm>},
        {"text_gap_mm", SetField<O, &O::text_gap_mm>},
        {"text_antialias", SetField<O, &O::text_antialias>},
        {"text_position",
         [](O& o, const py::handle& v) {
             const std::string position = v.cast<std::string>();
             if (position != "below" && position != "above")
                 RefuseOption("invalid text_position '" + position + "'; accepted: below, above");
             o.text_position = position == "above" ? TextPosition::Above : TextPosition::Below;
         }},
        {"light_margin_indicators", SetField<O, &O::light_margin_indicators>},
        {"rotate", SetField<O, &O::rotate>},
        {"bar_width_reduction_pixels", SetField<O, &O::bar_width_reduction_pixels>},
        {"foreground", [](O& o, const py::handle& v) { o.foreground = ColourFrom(v); }},
        {"background", [](O& o, const py::handle& v) { o.background = ColourFrom(v); }},
        {"max_pixels", SetField<O, &O::max_pixels>},
        {"cmyk", SetField<O, &O::cmyk>},
    };
    return setters;
}

OutputKind KindNamed(const std::string& kind) {
    if (kind == "png") return OutputKind::Png;
    if (kind == "jpeg" || kind == "jpg") return OutputKind::Jpeg;
    if (kind == "svg") return OutputKind::Svg;
    if (kind == "pdf") return OutputKind::Pdf;
    if (kind == "eps") return OutputKind::Eps;
    if (kind == "zpl") return OutputKind::Zpl;
    RefuseOption("unknown kind '" + kind + "'; accepted: png, jpeg, jpg, svg, pdf, eps, zpl");
}

const char* ShapeName(SymbolShape shape) {
    switch (shape) {
        case SymbolShape::Linear: return "linear";
        case SymbolShape::Postal: return "postal";
        case SymbolShape::Matrix: return "matrix";
    }
    return "linear";
}

// Never changed after encode(): render() reads it from many threads at once.
using SharedSymbol = std::shared_ptr<EncodedSymbol>;

py::object AsPython(const RenderResult& result, OutputKind output) {
    const char* begin = reinterpret_cast<const char*>(result.bytes.data());
    if (output == OutputKind::Svg || output == OutputKind::Zpl) return py::str(begin, result.bytes.size());
    return py::bytes(begin, result.bytes.size());
}

const char* KindName(OptionKind kind) {
    switch (kind) {
        case OptionKind::Flag: return "flag";
        case OptionKind::Integer: return "integer";
        case OptionKind::Number: return "number";
        case OptionKind::Choice: return "choice";
        case OptionKind::Text: return "text";
    }
    return "text";
}

// The default in the option's own Python type: None for "auto".
py::object DefaultValue(const OptionEntry& entry) {
    if (entry.automatic) return py::none();
    switch (entry.kind) {
        case OptionKind::Flag: return py::bool_(entry.default_value == "true");
        case OptionKind::Integer: return py::int_(std::stoll(entry.default_value));
        case OptionKind::Number: return py::float_(std::stod(entry.default_value));
        case OptionKind::Choice:
        case OptionKind::Text: return py::str(entry.default_value);
    }
    return py::none();
}

py::dict OptionAsDict(const OptionEntry& entry) {
    py::dict option;
    option["name"] = entry.name;
    option["kind"] = KindName(entry.kind);
    option["help"] = entry.help;
    option["default"] = DefaultValue(entry);
    option["low"] = entry.low;
    option["high"] = entry.high;
    option["auto"] = entry.automatic;
    option["choices"] = py::tuple(py::cast(entry.choices));
    option["accepted"] = entry.accepted;
    option["field"] = entry.field.empty() ? entry.name : entry.field;
    return option;
}

py::dict EntryAsDict(const SymbologyEntry& entry) {
    py::dict row;
    row["name"] = entry.name;
    row["title"] = entry.title;
    row["quiet_zone_source"] = entry.quiet_zone_source;
    row["example"] = entry.example;
    row["default_scale"] = entry.default_scale;
    row["aliases"] = py::tuple(py::cast(entry.aliases));
    row["digital_link_as"] = entry.digital_link_as.empty() ? py::object(py::none()) : py::str(entry.digital_link_as);
    row["x_dim_mm"] = entry.x_dim_mm > 0 ? py::object(py::float_(entry.x_dim_mm)) : py::object(py::none());
    py::list options;
    for (const OptionEntry& option : entry.options) options.append(OptionAsDict(option));
    row["options"] = py::tuple(options);
    return row;
}

// Keyword arguments without those given as None: the encoder's own choice ("auto").
py::kwargs WithoutNone(const py::kwargs& given) {
    py::kwargs kept;
    for (const auto& [key, value] : given)
        if (!value.is_none()) kept[key] = value;
    return kept;
}

}  // namespace

void RegisterEncodeRender(py::module_& m) {
    py::class_<EncodedSymbol, SharedSymbol>(m, "EncodedSymbol",
                                            "What encode() makes of text: modules, text and quiet zone, in modules; "
                                            "immutable, drawn by render() to any kind.")
        .def_property_readonly("shape", [](const EncodedSymbol& s) { return ShapeName(s.shape); },
                               "\"linear\", \"postal\" or \"matrix\".")
        .def_property_readonly("width", [](const EncodedSymbol& s) { return s.width; },
                               "Modules across, without the quiet zone.")
        .def_property_readonly("row_count", [](const EncodedSymbol& s) { return s.rows.size(); },
                               "Rows of modules, top to bottom.")
        .def_property_readonly("bar_height", [](const EncodedSymbol& s) { return s.bar_height; },
                               "Default bar height in modules (0 when every row's height is fixed).")
        .def_property_readonly(
            "quiet_zone",
            [](const EncodedSymbol& s) {
                const ModuleMargins& q = s.quiet_zone;
                return py::make_tuple(q.left, q.top, q.right, q.bottom);
            },
            "The standard's minimum light margin (left, top, right, bottom) in modules.")
        .def_property_readonly(
            "rows",
            [](const EncodedSymbol& s) {
                py::list rows;
                for (const SymbolRow& row : s.rows)
                    rows.append(py::make_tuple(
                        py::bytes(reinterpret_cast<const char*>(row.modules.data()), row.modules.size()), row.height));
                return py::tuple(rows);
            },
            "The rows top to bottom as (modules, height): modules as bytes of 0 (light) and 1 (dark), the height "
            "in modules (0 for a bar row, which takes the bar height).")
        .def_property_readonly("full_text", [](const EncodedSymbol& s) { return s.full_text; },
                               "What the symbol carries, check digits included.")
        .def_property_readonly(
            "caption",
            [](const EncodedSymbol& s) {
                for (const TextSpan& span : s.text)
                    if (span.role == TextRole::Caption) return span.text;
                return std::string();
            },
            "The line printed above the symbol (a book number's \"ISBN 978-0-306-40615-7\"), or \"\".")
        .def("__repr__", [](const EncodedSymbol& s) {
            return "<EncodedSymbol " + std::string(ShapeName(s.shape)) + " " + std::to_string(s.width) + "x" +
                   std::to_string(s.rows.size()) + " modules>";
        });

    m.def(
        "encode",
        [](const std::string& symbology, const std::string& data, const py::kwargs& options) {
            const EncodeOptions settings = FromKeywords(WithoutNone(options), EncodeSetters(), "encode");
            try {
                return SharedSymbol(std::make_shared<EncodedSymbol>(Encode(symbology, data, settings)));
            } catch (const EncodeError& error) {
                RaiseEncodeError(error);
            }
        },
        py::arg("symbology"), py::arg("data"),
        "Encode data as the named symbology; keyword options are the encoder's (mode, code_sets, reader_init, error, version, "
        "encoding, size, scheme, columns, rows, error_level, aspect_ratio, row_height, extended_guard, addon, "
        "bearer, composite, composite_type, gs1_validate, show_start_stop, check, pzn7); None leaves one to the encoder.");

    m.def(
        "render",
        [](SharedSymbol symbol, const std::string& kind, const py::kwargs& options) -> py::object {
            const RenderOptions settings = FromKeywords(options, RenderSetters(), "render");
            const OutputKind output = KindNamed(kind);
            RenderResult result;
            try {
                py::gil_scoped_release unlocked;
                result = Render(*symbol, settings, output);
            } catch (const EncodeError& error) {
                RaiseEncodeError(error);
            }
            return AsPython(result, output);
        },
        py::arg("symbol"), py::arg("kind"),
        "Draw an encoded symbol as \"png\", \"jpeg\" (bytes) or \"svg\" (str); keyword options: module_pixels, "
        "module_mm, dpi, quiet_zone, bar_height, bar_height_pixels, show_text, text, font, text_size_mm, "
        "text_gap_mm, text_antialias, text_position, light_margin_indicators, rotate, bar_width_reduction_pixels, "
        "foreground, background, max_pixels, cmyk; kinds png, jpeg, svg, pdf, eps.");

    py::class_<LaidOutSymbol, std::shared_ptr<LaidOutSymbol>>(
        m, "LaidOutSymbol",
        "An encoded symbol laid out once by lay_out() for one set of render options: its size is known "
        "and every output drawn from it skips the layout; immutable.")
        .def_property_readonly("size", &LaidOutSymbol::Size, "(width, height) in pixels of what render() draws.")
        .def(
            "render",
            [](const LaidOutSymbol& laid_out, const std::string& kind) {
                const OutputKind output = KindNamed(kind);
                RenderResult result;
                try {
                    py::gil_scoped_release unlocked;
                    result = laid_out.Render(output);
                } catch (const EncodeError& error) {
                    RaiseEncodeError(error);
                }
                return AsPython(result, output);
            },
            py::arg("kind"), "Draw as \"png\", \"jpeg\" (bytes) or \"svg\" (str).");

    py::class_<RenderOptions, std::shared_ptr<RenderOptions>>(
        m, "RenderOptions", "render()'s keyword options checked once, by render_options(), for lay_out().");

    m.def(
        "render_options",
        [](const py::kwargs& options) {
            return std::make_shared<RenderOptions>(FromKeywords(options, RenderSetters(), "render"));
        },
        "render()'s keyword options, checked once for any number of lay_out() calls.");

    m.def(
        "lay_out",
        [](SharedSymbol symbol, const RenderOptions& options) {
            try {
                return std::make_shared<LaidOutSymbol>(*symbol, options);
            } catch (const EncodeError& error) {
                RaiseEncodeError(error);
            }
        },
        py::arg("symbol"), py::arg("options"),
        "The symbol laid out for options from render_options(), to draw from as often as asked.");

    m.def("encodable_symbologies", &EncodableSymbologies, "The names encode() accepts.");

    m.def(
        "symbology_table",
        [] {
            py::list rows;
            for (const SymbologyEntry& entry : Symbologies()) rows.append(EntryAsDict(entry));
            return py::tuple(rows);
        },
        "Every symbology encode() takes, in the order users see them: name, title, quiet_zone_source, example, "
        "default_scale, aliases, digital_link_as, x_dim_mm (the standard's module in mm, or None) and its options (name, kind, help, default, low, high, auto, "
        "choices, accepted, field), the only list of them.");

    m.def(
        "render_limits",
        [] {
            py::dict limits;
            limits["module_pixels"] = py::make_tuple(1, kMaxModulePixels);
            limits["margin_modules"] = kMaxMarginModules;
            limits["rotations"] = py::tuple(py::cast(std::vector<int>(std::begin(kRotations), std::end(kRotations))));
            limits["fonts"] = py::tuple(
                py::cast(std::vector<std::string>(std::begin(kBuiltInFonts), std::end(kBuiltInFonts))));
            return limits;
        },
        "What render() accepts: module_pixels (low, high), margin_modules (sizes in modules stay below it), "
        "rotations and the built-in font names.");
}
