#include "symbologies/composite/composite_symbol.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <exception>
#include <vector>

#include "core/model/encode_error.h"
#include "gs1/element_string.h"
#include "symbologies/composite/composite_ccc.h"
#include "symbologies/composite/composite_component.h"
#include "symbologies/composite/composite_linear.h"

namespace {

using Modules = std::vector<uint8_t>;

constexpr double kComponentRowHeight = 2;

std::string Lower(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The requested component: 'a', 'b', 'c' or 0 for the automatic choice.
char RequestedType(const std::string& type) {
    const std::string t = Lower(type);
    if (t == "auto") return 0;
    if (t == "a" || t == "b" || t == "c") return t[0];
    throw EncodeError(EncodeErrorKind::InvalidOption, "composite type must be auto, a, b or c");
}

struct Component {
    char type = 'A';
    std::vector<Modules> rows;
    double row_height = kComponentRowHeight;
    double quiet = 1;  // the light margin it needs on every side
};

// The component of the requested type, or the smallest that holds the data: CC-A, CC-B, and over
// GS1-128 (`gs1_128_width` > 0) CC-C.
Component ChooseComponent(const std::string& element_data, int columns, char requested, int gs1_128_width) {
    Component out;
    if (requested == 'c') {
        if (gs1_128_width == 0)
            throw EncodeError(EncodeErrorKind::InvalidOption, "a CC-C component goes over GS1-128 only");
    } else {
        try {
            const CompositeType type =
                requested == 'a' ? CompositeType::A : requested == 'b' ? CompositeType::B : CompositeType::Auto;
            CompositeComponent component = EncodeCompositeComponent(element_data, columns, type);
            out.type = component.type;
            out.rows = std::move(component.rows);
            return out;
        } catch (const EncodeError& e) {
            if (e.Kind() != EncodeErrorKind::TooLong || requested != 0 || gs1_128_width == 0) throw;
        }
    }
    out.type = 'C';
    out.rows = EncodeCcC(element_data, gs1_128_width);
    out.row_height = 3;
    out.quiet = 2;
    return out;
}

}  // namespace

EncodedSymbol EncodeComposite(const std::string& carrier, const std::string& primary, const std::string& composite,
                              const std::string& type, const EncodeOptions& options) {
    const char requested = RequestedType(type);
    LinearPart linear;
    Component component;
    std::string composite_text;
    try {
        const std::vector<GS1Element> elements = ParseCompositeElements(composite, options);
        composite_text = GS1HumanReadable(elements);
        const std::string element_data = GS1Data(elements, '\x1D');
        if (carrier == "gs1-128") {
            const std::vector<int> values = Gs1128Values(primary, options);
            component = ChooseComponent(element_data, 4, requested, Gs1128Width(values));
            linear = LinkedGs1128(values, component.type, int(component.rows[0].size()));
            linear.text = GS1HumanReadable(ParseCompositeElements(primary, options));
        } else {
            linear = LinkedLinear(carrier, primary, options);
            component = ChooseComponent(element_data, linear.columns, requested, 0);
        }
    } catch (const EncodeError&) {
        throw;
    } catch (const std::exception& e) {
        // The carriers' encoders and the element-string reader report faults of the data.
        throw EncodeError(EncodeErrorKind::InvalidData, e.what());
    }
    const bool b = component.type == 'B';
    const int component_x = b && linear.component_x_b >= 0 ? linear.component_x_b : linear.component_x;
    const int linear_x = b && linear.linear_x_b >= 0 ? linear.linear_x_b : linear.linear_x;

    EncodedSymbol out;
    out.shape = SymbolShape::Linear;
    for (const Modules& row : component.rows) out.width = std::max(out.width, component_x + int(row.size()));
    for (const SymbolRow& row : linear.rows) out.width = std::max(out.width, linear_x + int(row.modules.size()));
    auto place = [&out](const Modules& modules, int x, double height) {
        SymbolRow row;
        row.modules.assign(size_t(out.width), 0);
        std::copy(modules.begin(), modules.end(), row.modules.begin() + x);
        row.height = height;
        out.rows.push_back(std::move(row));
    };
    for (const Modules& row : component.rows) place(row, component_x, component.row_height);
    for (const SymbolRow& row : linear.rows) place(row.modules, linear_x, row.height);
    out.bar_height = linear.bar_height;

    // Each part's margin less the room the other part already leaves beside it.
    const int component_end = component_x + int(component.rows[0].size());
    const int linear_end = linear_x + int(linear.rows.back().modules.size());
    out.quiet_zone.left = std::max(component.quiet - component_x, linear.quiet_left - linear_x);
    out.quiet_zone.right =
        std::max(component.quiet - (out.width - component_end), linear.quiet_right - (out.width - linear_end));
    out.quiet_zone.top = component.quiet;
    const int last_row = int(out.rows.size()) - 1;
    out.text.push_back(TextSpan{linear.text, (linear_x + linear_end) / 2.0, last_row, TextRole::Main, 0.0});
    out.full_text = linear.text + "|" + composite_text;
    return out;
}
