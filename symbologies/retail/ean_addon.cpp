#include "symbologies/retail/ean_addon.h"

#include <algorithm>

#include "core/model/encode_error.h"
#include "core/text_encoding/digits.h"
#include "symbologies/symbol_building.h"
#include "symbologies/retail/ean_upc_digits.h"

namespace {

// Set G positions of the five digits by weighted sum mod 10; the first digit is bit 4.
constexpr unsigned char kFiveDigitParity[10] = {0x18, 0x14, 0x12, 0x11, 0x0C, 0x06, 0x03, 0x0A, 0x09, 0x05};

// The add-on's bars start this far below the main symbol's top, leaving room for its digits.
constexpr double kAddOnTextBand = 8.0;
constexpr double kAddOnQuietZone = 5.0;

unsigned GPattern(const std::string& digits) {
    if (digits.size() == 2) {
        // Value mod 4: 0 LL, 1 LG, 2 GL, 3 GG.
        return unsigned(((digits[0] - '0') * 10 + (digits[1] - '0')) % 4);
    }
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) sum += (digits[i] - '0') * (i % 2 ? 9 : 3);
    return kFiveDigitParity[sum % 10];
}

void CheckAddOn(const std::string& digits, std::size_t offset, bool from_text) {
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (IsDigit(digits[i])) continue;
        if (from_text) throw EncodeError(EncodeErrorKind::InvalidCharacter, "Add-on digits only", long(offset + i));
        throw EncodeError(EncodeErrorKind::InvalidOption, "Add-on digits only");
    }
    if (digits.size() != 2 && digits.size() != 5)
        throw EncodeError(from_text ? EncodeErrorKind::InvalidData : EncodeErrorKind::InvalidOption,
                          "Add-on requires 2 or 5 digits");
}

}  // namespace

int AddOnGap(AddOnHost host) { return host == AddOnHost::UpcA || host == AddOnHost::UpcE ? 9 : 7; }

ModuleWidths EncodeAddOn(const std::string& digits) {
    const unsigned g_mask = GPattern(digits);
    ModuleWidths out = {1, 1, 2};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0) out.insert(out.end(), {1, 1});
        AppendDigit(out, digits[i], (g_mask >> (digits.size() - 1 - i)) & 1 ? DigitSet::G : DigitSet::L);
    }
    return out;
}

MainAndAddOn SplitAddOn(const std::string& text, const std::string& addon_setting) {
    const std::size_t plus = text.find('+');
    if (plus == std::string::npos) {
        if (!addon_setting.empty()) CheckAddOn(addon_setting, 0, false);
        return {text, addon_setting};
    }
    MainAndAddOn split{text.substr(0, plus), text.substr(plus + 1)};
    CheckAddOn(split.addon, plus + 1, true);
    if (!addon_setting.empty() && addon_setting != split.addon)
        throw EncodeError(EncodeErrorKind::InvalidOption, "Add-on given both in the text and as a setting");
    return split;
}

void AppendAddOn(EncodedSymbol& symbol, const std::string& digits, AddOnHost host) {
    if (symbol.rows.size() != 1)
        throw EncodeError(EncodeErrorKind::InvalidOption, "An add-on needs a symbol of one bar row");
    const std::vector<uint8_t> addon = ModulesOfWidths(EncodeAddOn(digits));
    const int start = symbol.width + AddOnGap(host);
    const int width = start + int(addon.size());

    SymbolRow& bars = symbol.rows[0];
    SymbolRow band;  // the main symbol's bars over the add-on's digits
    band.modules = bars.modules;
    band.modules.resize(std::size_t(width), 0);
    band.height = kAddOnTextBand;

    bars.modules.resize(std::size_t(start), 0);
    bars.modules.insert(bars.modules.end(), addon.begin(), addon.end());
    // Without guard extension nothing descends, the add-on neither.
    if (!bars.extends.empty()) {
        bars.extends.resize(std::size_t(start), 0);
        bars.extends.insert(bars.extends.end(), addon.begin(), addon.end());
    }
    symbol.rows.insert(symbol.rows.begin(), band);
    // The text band takes its share of the main bars' height.
    symbol.bar_height = std::max(0.0, symbol.bar_height - kAddOnTextBand);
    for (TextSpan& span : symbol.text)
        if (span.role != TextRole::Caption) span.below_row += 1;

    TextSpan label;
    label.text = digits;
    label.center_x = start + addon.size() / 2.0;
    label.below_row = 1;
    label.role = TextRole::AddOn;
    symbol.text.push_back(label);

    symbol.width = width;
    symbol.quiet_zone.right = kAddOnQuietZone;
    symbol.full_text += " " + digits;
}
