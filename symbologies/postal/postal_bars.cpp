#include "symbologies/postal/postal_bars.h"

#include <array>
#include <cmath>

EncodedSymbol PostalSymbol(const std::string& bars, const std::vector<PostalBand>& bands, ModuleMargins quiet_zone,
                           std::string full_text) {
    EncodedSymbol symbol;
    symbol.shape = SymbolShape::Postal;
    symbol.width = bars.empty() ? 0 : int(2 * bars.size() - 1);
    symbol.rows.reserve(bands.size());
    for (const PostalBand& band : bands) {
        std::array<uint8_t, 256> crosses{};  // 1 for the bar kinds that cross the band
        for (const char* kind = band.kinds; *kind; ++kind) crosses[static_cast<unsigned char>(*kind)] = 1;
        SymbolRow row{std::vector<uint8_t>(size_t(symbol.width), 0), band.height, {}};
        for (size_t b = 0; b < bars.size(); ++b) row.modules[2 * b] = crosses[static_cast<unsigned char>(bars[b])];
        symbol.rows.push_back(std::move(row));
    }
    symbol.quiet_zone = quiet_zone;
    symbol.full_text = std::move(full_text);
    return symbol;
}

EncodedSymbol FourStateSymbol(const std::string& bars, const FourStateHeights& heights, ModuleMargins quiet_zone,
                              std::string full_text) {
    return PostalSymbol(bars, {{"AF", heights.ascender}, {"DAFT", heights.tracker}, {"DF", heights.descender}},
                        quiet_zone, std::move(full_text));
}

ModuleMargins QuietZoneOf(double side_mm, double above_below_mm, double x_mm) {
    const double side = std::ceil(side_mm / x_mm - 1e-9), above_below = std::ceil(above_below_mm / x_mm - 1e-9);
    return {side, above_below, side, above_below};
}
