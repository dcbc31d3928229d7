#include "symbologies/composite/composite_linear.h"

#include <algorithm>
#include <cctype>

#include "core/model/encode_error.h"
#include "gs1/check_digit.h"
#include "gs1/validation.h"
#include "symbologies/databar/gs1_databar14.h"
#include "symbologies/databar/gs1_databar_expanded.h"
#include "symbologies/databar/gs1_databar_limited.h"
#include "symbologies/linear/code128_symbols.h"
#include "symbologies/linear/gs1_128.h"
#include "symbologies/retail/jan13.h"
#include "symbologies/retail/jan8.h"
#include "symbologies/retail/upc_a.h"
#include "symbologies/retail/upc_e.h"

namespace {

using Modules = std::vector<uint8_t>;

constexpr double kSeparatorHeight = 1;

Modules ToModules(const std::vector<bool>& row) { return Modules(row.begin(), row.end()); }

Modules ModulesOfWidths(const ModuleWidths& widths) {
    Modules out;
    for (size_t i = 0; i < widths.size(); ++i) out.insert(out.end(), size_t(widths[i]), i % 2 == 0 ? 1 : 0);
    return out;
}

// The 13 digits of a GTIN given as 13 digits, or 14 with its check digit, "(01)" or "[01]" allowed
// in front.
std::string Gtin13(std::string primary) {
    if (primary.rfind("(01)", 0) == 0 || primary.rfind("[01]", 0) == 0) primary.erase(0, 4);
    if (primary.size() == 14 && std::all_of(primary.begin(), primary.end(), ::isdigit)) {
        if (GS1CheckDigit(primary.substr(0, 13)) != primary[13])
            throw EncodeError(EncodeErrorKind::InvalidData, "Invalid check digit");
        primary.pop_back();
    }
    return primary;
}

// EAN/UPC: the rows are one module wider each side than the bars, for the separator rows' marks
// beside the guards.
LinearPart RetailPart(const ModuleWidths& widths, std::string digits, int columns, int x, double quiet_left,
                      double quiet_right) {
    const Modules bars = ModulesOfWidths(widths);
    const size_t w = bars.size() + 2;
    Modules inner(w, 0), outer(w, 0), row(w, 0);
    inner[1] = inner[w - 2] = 1;
    outer[0] = outer[w - 1] = 1;
    std::copy(bars.begin(), bars.end(), row.begin() + 1);
    LinearPart part;
    part.rows = {{inner, kSeparatorHeight, {}}, {outer, kSeparatorHeight, {}}, {inner, kSeparatorHeight, {}},
                 {row, 0, {}}};
    part.columns = columns;
    part.text = std::move(digits);
    part.bar_height = 50;
    part.linear_x = x;
    part.quiet_left = quiet_left - 1;  // less the light column the rows start with
    part.quiet_right = quiet_right - 1;
    return part;
}

// DataBar rows of a fixed height keep it; the others share the bar height, `row_height` each.
LinearPart DataBarPart(const std::vector<DataBarRow>& rows, std::string text, int columns, double row_height) {
    LinearPart part;
    for (const DataBarRow& r : rows) {
        part.rows.push_back({ToModules(r.modules), r.weight < 0 ? 0.0 : double(r.weight), {}});
        if (r.weight < 0) part.bar_height += row_height;
    }
    part.columns = columns;
    part.text = std::move(text);
    return part;
}

}  // namespace

std::vector<GS1Element> ParseCompositeElements(std::string text, const EncodeOptions& options) {
    if (!text.empty() && text[0] == '[') {
        std::replace(text.begin(), text.end(), '[', '(');
        std::replace(text.begin(), text.end(), ']', ')');
    }
    std::vector<GS1Element> elements = ParseGS1(text);
    if (options.gs1_validate) ValidateGS1(elements);
    return elements;
}

LinearPart LinkedLinear(const std::string& carrier, const std::string& primary, const EncodeOptions& options) {
    if (carrier == "ean13") {
        const std::string digits = CompleteJan13(primary);
        return RetailPart(EncodeJan13(digits), digits, 4, 2, 11, 7);
    }
    if (carrier == "upca") {
        const std::string digits = CompleteUpcA(primary);
        return RetailPart(EncodeUpcA(digits), digits, 4, 2, 9, 9);
    }
    if (carrier == "upce") {
        const std::string digits = CompleteUpcE(primary);
        return RetailPart(EncodeUPCE(digits), digits, 2, 2, 9, 7);
    }
    if (carrier == "ean8") {
        const std::string digits = CompleteJan8(primary);
        LinearPart part = RetailPart(EncodeJan8(digits), digits, 3, 3, 7, 7);
        part.linear_x_b = 13;
        part.component_x_b = 0;
        return part;
    }
    if (carrier == "databar" || carrier == "databar-stacked" || carrier == "databar-stacked-omni") {
        const int form = carrier == "databar"           ? kDataBar14Omnidirectional
                         : carrier == "databar-stacked" ? kDataBar14Stacked
                                                        : kDataBar14StackedOmnidirectional;
        const DataBar14Symbol s = EncodeGS1DataBar14(Gtin13(primary), form, true);
        LinearPart part = DataBarPart(s.rows, "(01)" + s.digits, form == kDataBar14Omnidirectional ? 4 : 2, 33);
        if (form == kDataBar14Omnidirectional) {
            part.linear_x = 4;
        } else {
            part.component_x = 1;
        }
        return part;
    }
    if (carrier == "databar-limited") {
        const DataBarLimitedSymbol s = EncodeGS1DataBarLimited(Gtin13(primary), true);
        std::vector<bool> row;
        AppendElements(row, s.elements, false);
        std::vector<bool> sep(row.size(), false);
        for (size_t i = 4; i + 4 < row.size(); ++i) sep[i] = !row[i];
        LinearPart part = DataBarPart({{sep, 1}, {row, -1}}, "(01)" + s.digits, 3, 10);
        part.component_x = 1;
        part.component_x_b = 0;
        part.linear_x_b = 9;
        return part;
    }
    if (carrier == "databar-expanded" || carrier == "databar-expanded-stacked") {
        const std::vector<GS1Element> elements = ParseCompositeElements(primary, options);
        const bool stacked = carrier == "databar-expanded-stacked";
        // A linked symbol's first row holds at least four characters: two segment pairs.
        const int columns = options.columns == 1 ? 2 : options.columns;
        const ExpandedSymbol s =
            EncodeGS1DataBarExpanded(FormatGS1(elements, GS1Form::kDataBarExpanded), stacked, columns, true);
        LinearPart part = DataBarPart(s.rows, s.data.human_readable, 4, 34);
        // The component starts over the first dark module after the left guard's light one.
        const std::vector<bool>& top = s.rows[1].modules;
        int k = 1;
        while (!top[size_t(k - 1)] && top[size_t(k)]) ++k;
        part.component_x = k;
        return part;
    }
    throw EncodeError(EncodeErrorKind::InvalidOption, "unknown composite carrier \"" + carrier + "\"");
}

std::vector<int> Gs1128Values(const std::string& primary, const EncodeOptions& options) {
    return EncodeGS1_128Values(FormatGS1(ParseCompositeElements(primary, options), GS1Form::kGS1_128));
}

int Gs1128Width(const std::vector<int>& values) { return 11 * int(values.size() + 2) + 13; }

// GS1-128 marks its link with a code set character after the data (the data only ever uses code
// sets B and C here): the code set it switches to tells a CC-C from a CC-A or CC-B.
LinearPart LinkedGs1128(std::vector<int> values, char component_type, int component_width) {
    using namespace code128;
    bool set_c = values[0] == kStartC;
    for (size_t i = 1; i < values.size(); ++i) {
        if (set_c && values[i] == kCodeB) set_c = false;
        if (!set_c && values[i] == kCodeC) set_c = true;
    }
    if (component_type == 'C') {
        values.push_back(set_c ? kCodeB : kCodeA);
    } else {
        values.push_back(set_c ? kCodeA : kCodeC);
    }
    const Modules row = ModulesOfWidths(ToModuleWidths(values, "Invalid code value"));
    Modules separator(row.size());
    for (size_t i = 0; i < row.size(); ++i) separator[i] = row[i] ^ 1;
    LinearPart part;
    part.rows = {{separator, kSeparatorHeight, {}}, {row, 0, {}}};
    part.bar_height = 50;
    part.quiet_left = part.quiet_right = 10;
    if (component_type == 'C') {
        part.linear_x = 7;
        return part;
    }
    // A CC-A or CC-B ends over the last space of the symbol character (values - 9) / 2 places
    // from the right, counting the stop as 0 and the check value as 1.
    const int w = int(row.size());
    const int position = ((w - 2) / 11 - 9) / 2;  // truncated: -1 for the shortest symbols
    const int shift = w - position * 11 - 1 - component_width - (position != 0 ? 2 : 0);
    if (shift > 0) {
        part.component_x = shift;
    } else {
        part.linear_x = -shift;
    }
    return part;
}

