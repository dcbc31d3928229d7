#include "symbologies/databar/databar_symbol.h"

#include <algorithm>
#include <utility>

#include "core/text_encoding/digits.h"
#include "core/text_encoding/ascii.h"
#include "gs1/check_digit.h"
#include "gs1/element_input.h"
#include "symbologies/symbol_building.h"

std::string GtinDataDigits(const std::string& text) {
    // A GTIN has 14 digits with its check digit, alone or as the element string of AI (01).
    size_t offset = 0;
    if (!text.empty() && OneOf(text[0], "([{")) {
        RefuseLongerThan(text, 6 + 2 + 14);  // "{FNC1}01" and the GTIN
        const std::vector<GS1Element> elements = ReadGS1Input(text, false);
        if (elements.size() != 1 || elements[0].ai != "01")
            throw EncodeError(EncodeErrorKind::InvalidData, "the data is a GTIN: one AI (01) and its digits",
                              long(elements[elements.size() != 1 ? 1 : 0].ai_position));
        offset = elements[0].data_position;
    }
    RefuseLongerThan(text, offset + 14);
    const std::string digits = text.substr(offset);
    RefuseEmpty(digits);
    if (const size_t bad = FirstNonDigit(digits); bad != std::string::npos)
        throw EncodeError(EncodeErrorKind::InvalidCharacter, "a GTIN has digits only", long(offset + bad));
    if (digits.size() < 14) return digits;
    const char expected = GS1CheckDigit(digits.substr(0, 13));
    if (digits[13] != expected)
        throw EncodeError(EncodeErrorKind::InvalidData,
                          std::string("check digit ") + digits[13] + " is wrong, expected " + expected,
                          long(offset + 13));
    return digits.substr(0, 13);
}

EncodedSymbol DataBarSymbol(const std::vector<DataBarRow>& rows, double data_row_height, const std::string& text) {
    EncodedSymbol symbol;
    for (const DataBarRow& row : rows) symbol.width = std::max(symbol.width, int(row.modules.size()));
    for (const DataBarRow& row : rows) {
        SymbolRow out{std::vector<uint8_t>(size_t(symbol.width), 0), row.weight < 0 ? 0.0 : double(row.weight), {}};
        for (size_t m = 0; m < row.modules.size(); ++m) out.modules[m] = row.modules[m] ? 1 : 0;
        if (row.weight < 0) symbol.bar_height += data_row_height;
        symbol.rows.push_back(std::move(out));
    }
    // Fixed rows only (DataBar Stacked): their total is the symbol's height.
    if (symbol.bar_height == 0)
        for (const SymbolRow& row : symbol.rows) symbol.bar_height += row.height;
    symbol.text.push_back(TextSpan{text, symbol.width / 2.0, int(rows.size()) - 1, TextRole::Main, 0.0, 0});
    symbol.full_text = text;
    return symbol;
}
