#include "symbologies/symbol_building.h"

#include <numeric>
#include <utility>

#include "core/text_encoding/utf8.h"

std::vector<uint8_t> ModulesOfWidths(const ModuleWidths& widths) {
    std::vector<uint8_t> modules;
    modules.reserve(size_t(std::accumulate(widths.begin(), widths.end(), 0)));
    for (size_t i = 0; i < widths.size(); ++i) modules.insert(modules.end(), size_t(widths[i]), i % 2 == 0 ? 1 : 0);
    return modules;
}

EncodedSymbol OneRowSymbol(const ModuleWidths& widths, double bar_height, double quiet, const std::string& text,
                           std::string full_text) {
    EncodedSymbol symbol;
    symbol.rows.push_back(SymbolRow{ModulesOfWidths(widths), 0.0, {}});
    symbol.width = int(symbol.rows[0].modules.size());
    symbol.bar_height = bar_height;
    if (!text.empty()) symbol.text.push_back(TextSpan{text, symbol.width / 2.0, 0, TextRole::Main, 0.0});
    symbol.quiet_zone = ModuleMargins{quiet, 0.0, quiet, 0.0};
    symbol.full_text = std::move(full_text);
    return symbol;
}

EncodedSymbol MatrixSymbol(const ModuleMatrix& matrix, double row_height, double quiet, std::string full_text) {
    EncodedSymbol symbol;
    symbol.shape = SymbolShape::Matrix;
    symbol.width = matrix.Columns();
    symbol.rows.reserve(size_t(matrix.Rows()));
    for (int r = 0; r < matrix.Rows(); ++r) {
        SymbolRow row{std::vector<uint8_t>(size_t(matrix.Columns())), row_height, {}};
        for (int c = 0; c < matrix.Columns(); ++c) row.modules[size_t(c)] = matrix.Get(c, r) ? 1 : 0;
        symbol.rows.push_back(std::move(row));
    }
    symbol.quiet_zone = ModuleMargins{quiet, quiet, quiet, quiet};
    symbol.full_text = std::move(full_text);
    return symbol;
}

void RefuseLongerThan(const std::string& text, size_t limit) {
    // A character has at least one byte, so only text longer in bytes can be too long; its
    // characters are counted no further than the limit, so any length is refused as fast.
    if (text.size() <= limit) return;
    size_t characters = 0;
    for (size_t i = 0; i < text.size() && characters <= limit; ++characters) {
        const size_t n = Utf8SequenceLength(text, i);
        i += n == 0 ? 1 : n;
    }
    if (characters <= limit) return;
    throw EncodeError(EncodeErrorKind::TooLong, "the data has more than " + std::to_string(limit) + " characters", -1,
                      long(limit));
}

std::string PrintableText(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return text;
}

void RefuseEmpty(const std::string& text) {
    if (text.empty()) throw EncodeError(EncodeErrorKind::InvalidData, "the data is empty");
}
