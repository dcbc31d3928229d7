#include "symbologies/health/pharmacode.h"

#include <algorithm>

#include "symbologies/symbol_building.h"

namespace {

// The value of `text`, digits only, refused outside [low, high].
unsigned long ValueIn(const std::string& text, unsigned long low, unsigned long high) {
    RefuseEmpty(text);
    RefuseLongerThan(text, std::to_string(high).size());
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "only digits can be encoded", long(i));
    const unsigned long value = std::stoul(text);
    if (value < low || value > high)
        throw EncodeError(EncodeErrorKind::InvalidData, "the value " + std::to_string(value) + " is outside " +
                                                            std::to_string(low) + "-" + std::to_string(high));
    return value;
}

// Laetus: 6 modules (3 mm at 0.5 mm) each side, as zint leaves.
constexpr double kQuietZone = 6;

}  // namespace

EncodedSymbol EncodePharmacodeSymbol(const std::string& text, const EncodeOptions&) {
    // Bars from the right: an even remainder a wide bar, (n - 2) / 2 left; odd a narrow, (n - 1) / 2.
    ModuleWidths widths;
    for (unsigned long n = ValueIn(text, 3, 131070); n != 0;) {
        const bool wide = n % 2 == 0;
        if (!widths.empty()) widths.push_back(2);
        widths.push_back(wide ? 3 : 1);
        n = (n - (wide ? 2 : 1)) / 2;
    }
    std::reverse(widths.begin(), widths.end());
    // Bar height 16 modules: 8 mm at X = 0.5 mm.
    return OneRowSymbol(widths, 16, kQuietZone, "", text);
}

EncodedSymbol EncodePharmacodeTwoTrackSymbol(const std::string& text, const EncodeOptions&) {
    // Bars from the right: remainder 0 of 3 a full bar, 1 the bottom half, 2 the top half; n = (n - bar) / 3
    // where the bar counts 3, 1 or 2.
    std::vector<int> bars;
    for (unsigned long n = ValueIn(text, 4, 64570080); n != 0;) {
        const int bar = n % 3 == 0 ? 3 : int(n % 3);
        bars.push_back(bar);
        n = (n - bar) / 3;
    }
    std::reverse(bars.begin(), bars.end());
    const size_t width = 2 * bars.size() - 1;
    SymbolRow top{std::vector<uint8_t>(width), 0.0, {}};
    SymbolRow bottom{std::vector<uint8_t>(width), 0.0, {}};
    for (size_t i = 0; i < bars.size(); ++i) {
        top.modules[2 * i] = bars[i] != 1;
        bottom.modules[2 * i] = bars[i] != 2;
    }
    EncodedSymbol symbol;
    symbol.width = int(width);
    symbol.rows = {std::move(top), std::move(bottom)};
    symbol.bar_height = 8;  // both tracks together, zint's height for the code
    symbol.quiet_zone = ModuleMargins{kQuietZone, 0.0, kQuietZone, 0.0};
    symbol.full_text = text;
    return symbol;
}
