#include "symbologies/composite/composite_symbol.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <vector>

#include "core/model/encode_error.h"
#include "gs1/check_digit.h"
#include "gs1/element_input.h"
#include "symbologies/composite/composite_ccc.h"
#include "symbologies/composite/composite_component.h"
#include "symbologies/composite/composite_linear.h"
#include "symbologies/databar/databar_symbol.h"
#include "symbologies/retail/ean_upc_addon_symbols.h"
#include "symbologies/retail/upc_e.h"

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

// The primary's elements, as far as the repeated-AI rule needs them: the element string of the
// carriers that take one, else the GTIN (01) the carrier stands for.
std::vector<GS1Element> PrimaryElements(const std::string& carrier, const std::string& primary,
                                        const EncodeOptions& options) {
    if (carrier == "gs1-128" || carrier == "databar-expanded" || carrier == "databar-expanded-stacked")
        return ReadGS1Input(primary, options.gs1_validate);
    std::string gtin;
    if (carrier.rfind("databar", 0) == 0) {
        gtin = GtinDataDigits(primary);
        gtin.insert(0, 13 - gtin.size(), '0');
        gtin += GS1CheckDigit(gtin);
    } else if (carrier == "ean13" || carrier == "ean8" || carrier == "upca" || carrier == "upce") {
        // The code as the symbol carries it, check digit included, the add-on after a space.
        const std::string code = EncodeRetailWithAddOn(carrier, primary, options).symbol.full_text.substr(0, 13);
        gtin = carrier == "upce" ? ExpandUpcE(code.substr(0, 7)) + code[7] : code.substr(0, code.find(' '));
        gtin.insert(0, 14 - gtin.size(), '0');
    } else {
        return {};
    }
    return {GS1Element{"01", gtin, 0, 0}};
}

}  // namespace

EncodedSymbol EncodeComposite(const std::string& carrier, const std::string& primary, const std::string& composite,
                              const std::string& type, const EncodeOptions& options) {
    const char requested = RequestedType(type);
    const std::vector<GS1Element> primary_elements = PrimaryElements(carrier, primary, options);
    const std::vector<GS1Element> elements =
        ReadGS1Beside("composite", composite, options.gs1_validate, primary_elements);
    const std::string composite_text = GS1HumanReadable(elements);
    const std::string element_data = GS1Data(elements, '\x1D');
    LinearPart linear;
    Component component;
    if (carrier == "gs1-128") {
        const std::vector<int> values = Gs1128Values(primary_elements);
        component = ChooseComponent(element_data, 4, requested, Gs1128Width(values));
        linear = LinkedGs1128(values, component.type, int(component.rows[0].size()),
                              GS1HumanReadable(primary_elements));
    } else {
        linear = LinkedLinear(carrier, primary, primary_elements, options);
        component = ChooseComponent(element_data, linear.columns, requested, 0);
    }
    const bool b = component.type == 'B';
    const int component_x = b && linear.component_x_b >= 0 ? linear.component_x_b : linear.component_x;
    const int linear_x = b && linear.linear_x_b >= 0 ? linear.linear_x_b : linear.linear_x;

    const EncodedSymbol& carrier_symbol = linear.symbol;
    const int component_width = int(component.rows[0].size());
    EncodedSymbol out;
    out.shape = SymbolShape::Linear;
    out.width = std::max(component_x + component_width, linear_x + carrier_symbol.width);
    auto place = [&out](const SymbolRow& from, int x) {
        SymbolRow row;
        row.modules.assign(size_t(out.width), 0);
        std::copy(from.modules.begin(), from.modules.end(), row.modules.begin() + x);
        if (!from.extends.empty()) {
            row.extends.assign(size_t(out.width), 0);
            std::copy(from.extends.begin(), from.extends.end(), row.extends.begin() + x);
        }
        row.height = from.height;
        out.rows.push_back(std::move(row));
    };
    for (const Modules& row : component.rows) place(SymbolRow{row, component.row_height, {}}, component_x);
    for (const SymbolRow& row : carrier_symbol.rows) place(row, linear_x);
    out.bar_height = carrier_symbol.bar_height;
    out.guard_descent = carrier_symbol.guard_descent;
    out.face = carrier_symbol.face;

    // Each part's margin less the room the other part already leaves beside it.
    const int component_end = component_x + component_width;
    const int linear_end = linear_x + carrier_symbol.width;
    const ModuleMargins& carrier_quiet = carrier_symbol.quiet_zone;
    out.quiet_zone.left = std::max(component.quiet - component_x, carrier_quiet.left - linear_x);
    out.quiet_zone.right =
        std::max(component.quiet - (out.width - component_end), carrier_quiet.right - (out.width - linear_end));
    out.quiet_zone.top = component.quiet;
    out.quiet_zone.bottom = carrier_quiet.bottom;
    // The carrier's text as it prints alone, under its own rows.
    for (TextSpan span : carrier_symbol.text) {
        span.center_x += linear_x;
        span.below_row += int(component.rows.size());
        out.text.push_back(std::move(span));
    }
    out.full_text = carrier_symbol.full_text + "|" + composite_text;
    return out;
}
