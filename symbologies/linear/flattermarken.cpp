#include "symbologies/linear/flattermarken.h"

#include "symbologies/symbol_building.h"

namespace {

constexpr size_t kMostDigits = 128;  // as zint
constexpr size_t kCell = 9;

}  // namespace

EncodedSymbol EncodeFlattermarkenSymbol(const std::string& text, const EncodeOptions&) {
    RefuseEmpty(text);
    RefuseLongerThan(text, kMostDigits);
    SymbolRow row{std::vector<uint8_t>(kCell * text.size()), 0.0, {}};
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "only digits can be encoded", long(i));
        if (text[i] != '0') row.modules[kCell * i + size_t(text[i] - '1')] = 1;
    }
    EncodedSymbol symbol;
    symbol.width = int(row.modules.size());
    symbol.rows.push_back(std::move(row));
    symbol.bar_height = kLinearBarHeight;
    symbol.full_text = text;  // no quiet zone: the marks stand on the spine of each section
    return symbol;
}
