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

RetailWithAddOn Retail(MainEncoder main, AddOnHost host, const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, kLongestText);
    const MainAndAddOn split = SplitAddOn(text, options.addon);
    RetailWithAddOn out{main(split.main, options), 0};
    out.main_width = out.symbol.width;
    if (!split.addon.empty()) {
        DropRightIndicator(out.symbol);
        AppendAddOn(out.symbol, split.addon, host);
    }
    return out;
}

EncodedSymbol WithAddOn(MainEncoder main, AddOnHost host, const std::string& text, const EncodeOptions& options) {
    return Retail(main, host, text, options).symbol;
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

RetailWithAddOn EncodeRetailWithAddOn(const std::string& name, const std::string& text, const EncodeOptions& options) {
    if (name == "ean13") return Retail(EncodeJan13Symbol, AddOnHost::Ean13, text, options);
    if (name == "ean8") return Retail(EncodeJan8Symbol, AddOnHost::Ean8, text, options);
    if (name == "upca") return Retail(EncodeUpcASymbol, AddOnHost::UpcA, text, options);
    if (name == "upce") return Retail(EncodeUpcESymbol, AddOnHost::UpcE, text, options);
    throw EncodeError(EncodeErrorKind::InvalidOption, "\"" + name + "\" is not ean13, ean8, upca or upce");
}
