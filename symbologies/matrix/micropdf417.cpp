#include "symbologies/matrix/micropdf417.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "core/model/encode_error.h"
#include "core/text_encoding/eci.h"
#include "symbologies/matrix/micropdf417_compaction.h"
#include "symbologies/matrix/micropdf417_sizes.h"
#include "symbologies/matrix/pdf417_clusters.h"
#include "symbologies/matrix/pdf417_error_correction.h"
#include "symbologies/matrix/pdf417_symbol.h"

namespace {

constexpr int kMaxColumns = 4;
// Digits are the densest data: 126 codewords hold at most 366 of them, so longer text never fits
// (and is refused before the search over its bytes).
constexpr size_t kMaxInputBytes = 366;
constexpr int kPadCodeword = 900;
constexpr double kRowHeight = 2.0;

void AppendPattern(std::vector<uint8_t>& modules, uint32_t pattern, int count) {
    for (int bit = count - 1; bit >= 0; --bit) modules.push_back(uint8_t((pattern >> bit) & 1));
}

[[noreturn]] void ThrowTooLong(long needed, int columns) {
    const int capacity = MicroPdf417MaxCodewords(columns);
    std::string message = "MicroPDF417 holds at most " + std::to_string(capacity) + " data codewords";
    if (columns != 0) message += " in " + std::to_string(columns) + " columns";
    message += needed > 0 ? "; the text needs " + std::to_string(needed) : "; the text needs more";
    throw EncodeError(EncodeErrorKind::TooLong, message, -1, capacity);
}

// One row: left pattern (when the size has one), data, centre pattern (3 columns: after the first,
// 4: after the second), data, right pattern and the one-module stop bar.
std::vector<uint8_t> RowModules(const std::vector<int>& codewords, const MicroPdf417Size& size, int row) {
    const int cluster = (size.first_cluster + row) % 3;
    auto rap = [row](int first) { return (first - 1 + row) % kMicroPdf417RapPatterns + 1; };
    const int centre_after = size.columns == 3 ? 1 : size.columns == 4 ? 2 : -1;
    std::vector<uint8_t> modules;
    if (size.left_rap != 0) AppendPattern(modules, MicroPdf417SideRap(rap(size.left_rap)), 10);
    for (int column = 0; column < size.columns; ++column) {
        if (column == centre_after) AppendPattern(modules, MicroPdf417CentreRap(rap(size.centre_rap)), 10);
        AppendPattern(modules, Pdf417CodewordPattern(cluster, codewords[size_t(row * size.columns + column)]), 17);
    }
    AppendPattern(modules, MicroPdf417SideRap(rap(size.right_rap)), 10);
    modules.push_back(1);
    return modules;
}

}  // namespace

std::vector<std::vector<uint8_t>> MicroPdf417Rows(std::vector<int> data, const MicroPdf417Size& size) {
    data.resize(size_t(size.Capacity()), kPadCodeword);
    const std::vector<int> ec = Gf929ErrorCorrection(data, Gf929Generator(size.ec_codewords));
    data.insert(data.end(), ec.begin(), ec.end());
    std::vector<std::vector<uint8_t>> rows;
    for (int row = 0; row < size.rows; ++row) rows.push_back(RowModules(data, size, row));
    return rows;
}

EncodedSymbol EncodeMicroPdf417(const std::string& text, const EncodeOptions& options) {
    if (text.empty()) throw EncodeError(EncodeErrorKind::InvalidData, "MicroPDF417 needs at least one character");
    if (options.columns < 0 || options.columns > kMaxColumns) {
        throw EncodeError(EncodeErrorKind::InvalidOption, "MicroPDF417 columns must be 1 to 4, or 0 for automatic");
    }
    if (text.size() > kMaxInputBytes) ThrowTooLong(-1, options.columns);
    // The text in the set readers expect (ISO-8859-1, else UTF-8 behind ECI 26, or the ECI asked for).
    const EciText chosen = ChooseEciText(text, options.eci);
    std::vector<int> data = CompactMicroPdf417(chosen.bytes);
    if (chosen.eci != kNoEci) {
        const std::vector<int> eci = Pdf417EciCodewords(chosen.eci);
        data.insert(data.begin(), eci.begin(), eci.end());
    }
    const int index = ChooseMicroPdf417Size(int(data.size()), options.columns);
    if (index < 0) ThrowTooLong(long(data.size()), options.columns);
    EncodedSymbol symbol;
    symbol.shape = SymbolShape::Matrix;
    for (std::vector<uint8_t>& modules : MicroPdf417Rows(data, MicroPdf417SizeAt(index))) {
        symbol.rows.push_back(SymbolRow{std::move(modules), kRowHeight, {}});
    }
    symbol.width = int(symbol.rows.front().modules.size());
    symbol.quiet_zone = ModuleMargins{1.0, 1.0, 1.0, 1.0};
    symbol.full_text = text;
    return symbol;
}
