#include "symbologies/composite/composite_linear.h"

#include <algorithm>

#include "core/model/encode_error.h"
#include "symbologies/databar/databar_symbol.h"
#include "symbologies/databar/gs1_databar14.h"
#include "symbologies/databar/gs1_databar_expanded.h"
#include "symbologies/databar/gs1_databar_limited.h"
#include "symbologies/linear/code128_symbols.h"
#include "symbologies/linear/gs1_128.h"
#include "symbologies/retail/ean_upc_addon_symbols.h"
#include "symbologies/symbol_building.h"

namespace {

using Modules = std::vector<uint8_t>;

constexpr double kSeparatorHeight = 1;

// EAN/UPC: the carrier's own symbol (with its add-on, if any), its guards, digits and quiet zones
// as printed alone, one module wider each side for the separator rows' marks beside the main
// symbol's guards, under those rows.
LinearPart RetailPart(RetailWithAddOn retail, int columns, int x) {
    EncodedSymbol& symbol = retail.symbol;
    const size_t w = size_t(symbol.width) + 2;
    const size_t main_end = size_t(retail.main_width) + 2;  // past the right mark
    Modules inner(w, 0), outer(w, 0);
    inner[1] = inner[main_end - 2] = 1;
    outer[0] = outer[main_end - 1] = 1;
    const auto widened = [](Modules& modules) {
        if (modules.empty()) return;
        modules.insert(modules.begin(), 0);
        modules.push_back(0);
    };
    for (SymbolRow& row : symbol.rows) {
        widened(row.modules);
        widened(row.extends);
    }
    const SymbolRow separators[] = {{inner, kSeparatorHeight, {}}, {outer, kSeparatorHeight, {}},
                                    {inner, kSeparatorHeight, {}}};
    symbol.rows.insert(symbol.rows.begin(), std::begin(separators), std::end(separators));
    symbol.width = int(w);
    for (TextSpan& span : symbol.text) {
        span.center_x += 1;
        span.below_row += 3;
    }
    // Less the light column the rows now start and end with.
    symbol.quiet_zone.left -= 1;
    symbol.quiet_zone.right -= 1;
    LinearPart part;
    part.symbol = std::move(symbol);
    part.columns = columns;
    part.linear_x = x;
    return part;
}

// DataBar rows of a fixed height keep it; the others share the bar height, `row_height` each.
LinearPart DataBarPart(const std::vector<DataBarRow>& rows, const std::string& text, int columns, double row_height) {
    LinearPart part;
    part.symbol = DataBarSymbol(rows, row_height, text);
    part.columns = columns;
    return part;
}

}  // namespace

LinearPart LinkedLinear(const std::string& carrier, const std::string& primary,
                        const std::vector<GS1Element>& elements, const EncodeOptions& options) {
    if (carrier == "ean13" || carrier == "upca") return RetailPart(EncodeRetailWithAddOn(carrier, primary, options), 4, 2);
    if (carrier == "upce") return RetailPart(EncodeRetailWithAddOn(carrier, primary, options), 2, 2);
    if (carrier == "ean8") {
        LinearPart part = RetailPart(EncodeRetailWithAddOn(carrier, primary, options), 3, 3);
        part.linear_x_b = 13;
        part.component_x_b = 0;
        return part;
    }
    if (carrier == "databar" || carrier == "databar-stacked" || carrier == "databar-stacked-omni") {
        const int form = carrier == "databar"           ? kDataBar14Omnidirectional
                         : carrier == "databar-stacked" ? kDataBar14Stacked
                                                        : kDataBar14StackedOmnidirectional;
        const DataBar14Symbol s = EncodeGS1DataBar14(GtinDataDigits(primary), form, true);
        LinearPart part = DataBarPart(s.rows, "(01)" + s.digits, form == kDataBar14Omnidirectional ? 4 : 2, 33);
        if (form == kDataBar14Omnidirectional) {
            part.linear_x = 4;
        } else {
            part.component_x = 1;
        }
        return part;
    }
    if (carrier == "databar-limited") {
        const DataBarLimitedSymbol s = EncodeGS1DataBarLimited(GtinDataDigits(primary), true);
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
        const bool stacked = carrier == "databar-expanded-stacked";
        // The row under a CC-A or CC-B holds at least four characters: two segment pairs.
        if (stacked && options.columns == 1)
            throw EncodeError(EncodeErrorKind::InvalidOption,
                              "columns 1 cannot carry a composite component: the row under it holds at least 2 "
                              "segment pairs; give columns 2 to 10 (0: 2)");
        const ExpandedSymbol s = EncodeGS1DataBarExpanded(ExpandedInput(elements), stacked, options.columns, true);
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

std::vector<int> Gs1128Values(const std::vector<GS1Element>& elements) {
    return EncodeGS1_128Values(GS1MarkedCodes(elements));
}

int Gs1128Width(const std::vector<int>& values) { return 11 * int(values.size() + 2) + 13; }

// GS1-128 marks its link with a code set character after the data (the data only ever uses code
// sets B and C here): the code set it switches to tells a CC-C from a CC-A or CC-B.
LinearPart LinkedGs1128(std::vector<int> values, char component_type, int component_width,
                        const std::string& text) {
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
    LinearPart part;
    part.symbol = OneRowSymbol(ToModuleWidths(values, "Invalid code value"), kLinearBarHeight, 10, text, text);
    Modules separator = part.symbol.rows[0].modules;
    for (uint8_t& m : separator) m ^= 1;
    part.symbol.rows.insert(part.symbol.rows.begin(), SymbolRow{std::move(separator), kSeparatorHeight, {}});
    for (TextSpan& span : part.symbol.text) span.below_row = 1;
    if (component_type == 'C') {
        part.linear_x = 7;
        return part;
    }
    // A CC-A or CC-B ends over the last space of the symbol character (values - 9) / 2 places
    // from the right, counting the stop as 0 and the check value as 1.
    const int w = part.symbol.width;
    const int position = ((w - 2) / 11 - 9) / 2;  // truncated: -1 for the shortest symbols
    const int shift = w - position * 11 - 1 - component_width - (position != 0 ? 2 : 0);
    if (shift > 0) {
        part.component_x = shift;
    } else {
        part.linear_x = -shift;
    }
    return part;
}

