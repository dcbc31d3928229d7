#include "symbologies/linear/msi.h"

#include "symbologies/check_digits.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr size_t kMostDigits = 92;  // as zint

// The check digits `check` asks for after `digits`.
std::string CheckDigits(const std::string& digits, const std::string& check) {
    if (check.empty() || check == "none") return "";
    if (check == "mod10") return std::string(1, Mod10LuhnCheckDigit(digits));
    if (check == "mod10-10") {
        const char first = Mod10LuhnCheckDigit(digits);
        return std::string{first, Mod10LuhnCheckDigit(digits + first)};
    }
    const bool ncr = check.rfind("mod11-ncr", 0) == 0;
    if (ncr || check.rfind("mod11", 0) == 0) {
        const std::string eleven = Mod11CheckDigits(digits, ncr ? 9 : 7);
        const std::string rest = check.substr(ncr ? 9 : 5);
        if (rest.empty()) return eleven;
        if (rest == "-10") return eleven + Mod10LuhnCheckDigit(digits + eleven);
    }
    throw EncodeError(EncodeErrorKind::InvalidOption,
                      "check must be none, mod10, mod10-10, mod11, mod11-10, mod11-ncr or mod11-ncr-10, not \"" +
                          check + "\"");
}

}  // namespace

EncodedSymbol EncodeMsiSymbol(const std::string& text, const EncodeOptions& options) {
    RefuseEmpty(text);
    RefuseLongerThan(text, kMostDigits);
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "only digits can be encoded", long(i));
    const std::string digits = text + CheckDigits(text, options.check);
    ModuleWidths widths = {2, 1};  // start: a 1 bit
    for (char c : digits)
        for (int bit = 3; bit >= 0; --bit) {
            const bool one = ((c - '0') >> bit) & 1;
            widths.push_back(one ? 2 : 1);
            widths.push_back(one ? 1 : 2);
        }
    widths.insert(widths.end(), {1, 2, 1});  // stop: a 0 bit and a narrow bar
    // Quiet zone: 12 modules each side, as zint leaves (no published minimum).
    return OneRowSymbol(widths, kLinearBarHeight, 12, digits, digits);
}
