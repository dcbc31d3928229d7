#include "symbologies/retail/ean_upc_addon_symbols.h"

#include "symbologies/retail/ean_addon.h"
#include "symbologies/retail/jan13.h"
#include "symbologies/retail/jan8.h"
#include "symbologies/retail/light_margin_indicators.h"
#include "symbologies/retail/upc_a.h"
#include "symbologies/retail/upc_e.h"
#include "symbologies/symbol_building.h"

namespace {

using MainEncoder = EncodedSymbol (*)(const std::string& text, const EncodeOptions& options);

// The longest main code, '+' and five add-on digits.
constexpr std::size_t kLongestText = 13 + 1 + 5;

EncodedSymbol WithAddOn(MainEncoder main, AddOnHost host, const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, kLongestText);
    const MainAndAddOn split = SplitAddOn(text, options.addon);
    EncodedSymbol symbol = main(split.main, options);
    if (!split.addon.empty()) {
        DropRightIndicator(symbol);
        AppendAddOn(symbol, split.addon, host);
    }
    return symbol;
}

}  // namespace

EncodedSymbol EncodeEan13WithAddOn(const std::string& text, const EncodeOptions& options) {
    return WithAddOn(EncodeJan13Symbol, AddOnHost::Ean13, text, options);
}
EncodedSymbol EncodeEan8WithAddOn(const std::string& text, const EncodeOptions& options) {
    return WithAddOn(EncodeJan8Symbol, AddOnHost::Ean8, text, options);
}
EncodedSymbol EncodeUpcAWithAddOn(const std::string& text, const EncodeOptions& options) {
    return WithAddOn(EncodeUpcASymbol, AddOnHost::UpcA, text, options);
}
EncodedSymbol EncodeUpcEWithAddOn(const std::string& text, const EncodeOptions& options) {
    return WithAddOn(EncodeUpcESymbol, AddOnHost::UpcE, text, options);
}
