#include "symbologies/retail/book_number_symbols.h"

#include "symbologies/retail/book_numbers.h"
#include "symbologies/retail/ean_addon.h"
#include "symbologies/retail/jan13.h"
#include "symbologies/symbol_building.h"

namespace {

// Room for a name prefix, hyphens, spaces, an ISSN variant and '+' with an add-on.
constexpr std::size_t kLongestText = 48;

EncodedSymbol BookSymbol(BookNumber (*parse)(const std::string&), const std::string& text,
                         const EncodeOptions& options) {
    RefuseLongerThan(text, kLongestText);
    const MainAndAddOn split = SplitAddOn(text, options.addon);
    const BookNumber number = parse(split.main);
    EncodedSymbol symbol = EncodeJan13Symbol(number.ean13, options);
    TextSpan caption;
    caption.text = number.caption;
    caption.center_x = symbol.width / 2.0;
    caption.role = TextRole::Caption;
    symbol.text.push_back(caption);
    if (!split.addon.empty()) AppendAddOn(symbol, split.addon, AddOnHost::Ean13);
    return symbol;
}

}  // namespace

EncodedSymbol EncodeIsbnSymbol(const std::string& text, const EncodeOptions& options) {
    return BookSymbol(ParseIsbn, text, options);
}
EncodedSymbol EncodeIssnSymbol(const std::string& text, const EncodeOptions& options) {
    return BookSymbol(ParseIssn, text, options);
}
EncodedSymbol EncodeIsmnSymbol(const std::string& text, const EncodeOptions& options) {
    return BookSymbol(ParseIsmn, text, options);
}
