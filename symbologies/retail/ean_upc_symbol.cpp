#include "symbologies/retail/ean_upc_symbol.h"

#include "symbologies/symbol_building.h"

namespace {

// Guards reach 5 modules below the other bars (zint, BWIPP and the printed specimens agree).
constexpr double kGuardDescent = 5.0;

}  // namespace

EncodedSymbol EanUpcSymbol(const ModuleWidths& widths, const std::string& digits, const EanUpcTextPlan& plan,
                           bool extended_guard) {
    EncodedSymbol symbol = OneRowSymbol(widths, plan.bar_height, 0, extended_guard ? "" : digits, digits);
    symbol.quiet_zone.left = plan.quiet_left;
    symbol.quiet_zone.right = plan.quiet_right;
    symbol.face = TextFace::OcrB;
    if (!extended_guard) return symbol;

    SymbolRow& row = symbol.rows[0];
    row.extends.assign(row.modules.size(), 0);
    for (int g = 0; g < plan.guard_count; ++g)
        for (int m = plan.guards[g].begin; m < plan.guards[g].end; ++m) row.extends[size_t(m)] = row.modules[size_t(m)];
    symbol.guard_descent = kGuardDescent;

    const auto digit = [&](size_t index) { return std::string(1, digits[index]); };
    if (plan.leading) symbol.text.push_back(TextSpan{digit(0), plan.leading_x, 0, TextRole::Outer, 0.0, 0});
    for (int g = 0; g < plan.group_count; ++g) {
        const EanUpcTextPlan::Group& group = plan.groups[g];
        symbol.text.push_back(TextSpan{digits.substr(size_t(group.first), size_t(group.count)),
                                       group.left + group.width / 2, 0, TextRole::Main, group.width, 0});
    }
    if (plan.trailing)
        symbol.text.push_back(TextSpan{digit(digits.size() - 1), plan.trailing_x, 0, TextRole::Outer, 0.0, 0});
    return symbol;
}
