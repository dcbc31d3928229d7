#include "symbologies/stacked/code16k.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "symbologies/linear/code128.h"
#include "symbologies/linear/code128_symbols.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr int kMinRows = 2;
constexpr int kMaxRows = 16;
constexpr int kValuesPerRow = 5;
constexpr int kPad = 103;
constexpr int kShift = 98;
constexpr int kLeftQuiet = 10;
constexpr int kRightQuiet = 1;
constexpr int kRowWidth = 70;
const std::string kControls(
    "\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F"
    "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F",
    32);

// Start and stop patterns (bar first for starts, space first for stops), and which one each row
// takes.
constexpr const char* kStartStop[8] = {"3211", "2221", "2122", "1411", "1132", "1231", "1114", "3112"};
constexpr int kStartOfRow[kMaxRows] = {0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7};
constexpr int kStopOfRow[kMaxRows] = {0, 1, 2, 3, 4, 5, 6, 7, 4, 5, 6, 7, 0, 1, 2, 3};

void Append(std::vector<uint8_t>& row, const char* widths, uint8_t first) {
    uint8_t colour = first;
    for (const char* w = widths; *w; ++w, colour ^= 1) row.insert(row.end(), size_t(*w - '0'), colour);
}

// One character of the other set between latches to it and back, in A or B (with only characters
// both sets hold after it), becomes Shift and the character: one value fewer each time.
std::vector<int> WithShifts(const std::vector<int>& values) {
    enum { kA, kB, kC } set = values[0] == code128::kStartA ? kA : values[0] == code128::kStartB ? kB : kC;
    std::vector<int> out{values[0]};
    for (size_t i = 1; i < values.size(); ++i) {
        const int v = values[i];
        if (set == kC) {
            if (v == code128::kCodeA) set = kA;
            if (v == code128::kCodeB) set = kB;
        } else if (v == code128::kCodeC) {
            set = kC;
        } else if (v == (set == kA ? code128::kCodeB : code128::kCodeA)) {
            const int back = set == kA ? code128::kCodeA : code128::kCodeB;
            // Characters both sets hold (values below 64) may follow it before the latch back.
            size_t j = i + 2;
            while (j < values.size() && values[j] < 64) ++j;
            if (i + 1 < values.size() && values[i + 1] < 96 && j < values.size() && values[j] == back) {
                out.push_back(kShift);
                out.insert(out.end(), values.begin() + long(i) + 1, values.begin() + long(j));
                i = j;
                continue;
            }
            set = set == kA ? kB : kA;
        }
        out.push_back(v);
    }
    return out;
}

}  // namespace

EncodedSymbol EncodeCode16kSymbol(const std::string& text, const EncodeOptions& options) {
    if (options.rows != 0 && (options.rows < kMinRows || options.rows > kMaxRows))
        throw EncodeError(EncodeErrorKind::InvalidOption, "rows must be 2 to 16 (0: automatic)");
    RefuseEmpty(text);
    constexpr long kCapacity = kMaxRows * kValuesPerRow - 3;
    RefuseLongerThan(text, 2 * kCapacity);
    for (size_t i = 0; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) > 0x7E)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "only ASCII characters up to '~' can be encoded",
                              long(i));
    // Start A, B or C becomes the mode 0, 1 or 2 the first value carries (5 or 6 below).
    std::vector<int> values = EncodeCode128Values(text, Code128Mode::kAuto);
    // Set B rather than A when it is as short (text without control characters reads the same).
    if (values[0] == code128::kStartA && text.find_first_of(kControls) == std::string::npos) {
        std::vector<int> in_b = EncodeCode128Values(text, Code128Mode::kCodeB);
        if (in_b.size() <= values.size()) values = std::move(in_b);
    }
    values = WithShifts(values);
    int mode = values[0] - code128::kStartA;
    // Modes 5 and 6: set C after one or two characters of set B, without the Code C between.
    for (int shifted = 1; shifted <= 2 && mode == 1; ++shifted) {
        if (values.size() > size_t(shifted) + 1 && values[size_t(shifted) + 1] == code128::kCodeC &&
            std::all_of(values.begin() + 1, values.begin() + 1 + shifted, [](int v) { return v < 96; })) {
            values.erase(values.begin() + 1 + shifted);
            mode = 4 + shifted;
        }
    }
    const long data = long(values.size()) - 1;
    if (data > kCapacity)
        throw EncodeError(EncodeErrorKind::TooLong,
                          "the data needs " + std::to_string(data) + " symbol values; 16 rows hold " +
                              std::to_string(kCapacity),
                          -1, kCapacity);
    const int needed = std::max(kMinRows, int((data + 3 + kValuesPerRow - 1) / kValuesPerRow));
    if (options.rows != 0 && options.rows < needed)
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "rows=" + std::to_string(options.rows) + " cannot hold the data: it needs " +
                              std::to_string(needed) + " rows");
    const int rows = options.rows != 0 ? options.rows : needed;
    values[0] = 7 * (rows - 2) + mode;
    values.resize(size_t(rows * kValuesPerRow - 2), kPad);
    long c1 = 0, c2 = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        c1 += long(i + 2) * values[i];
        c2 += long(i + 1) * values[i];
    }
    c1 %= 107;
    c2 = (c2 + long(values.size() + 1) * c1) % 107;
    values.push_back(int(c1));
    values.push_back(int(c2));

    // The quiet zones belong to the rows: the bars above and below run across them.
    EncodedSymbol symbol;
    symbol.width = kLeftQuiet + kRowWidth + kRightQuiet;
    const SymbolRow bind{std::vector<uint8_t>(size_t(symbol.width), 1), 1.0, {}};
    symbol.rows.push_back(bind);
    for (int r = 0; r < rows; ++r) {
        if (r > 0) {
            SymbolRow separator{std::vector<uint8_t>(size_t(symbol.width), 0), 1.0, {}};
            std::fill(separator.modules.begin() + kLeftQuiet, separator.modules.end() - kRightQuiet, uint8_t(1));
            symbol.rows.push_back(std::move(separator));
        }
        std::vector<uint8_t> modules(size_t(kLeftQuiet), 0);
        Append(modules, kStartStop[kStartOfRow[r]], 1);
        modules.push_back(1);  // the guard bar before the symbol characters
        const std::vector<int> row_values(values.begin() + r * kValuesPerRow,
                                          values.begin() + (r + 1) * kValuesPerRow);
        // Symbol characters as Code 128 draws them, space first.
        const std::vector<uint8_t> bars = ModulesOfWidths(code128::ToModuleWidths(row_values, "bad value"));
        for (size_t m = 0; m < size_t(kValuesPerRow * 11); ++m) modules.push_back(bars[m] ^ 1);
        Append(modules, kStartStop[kStopOfRow[r]], 0);
        modules.insert(modules.end(), size_t(kRightQuiet), 0);
        symbol.rows.push_back(SymbolRow{std::move(modules), 0.0, {}});
    }
    symbol.rows.push_back(bind);
    symbol.bar_height = 9.0 * rows;
    symbol.full_text = text;
    return symbol;
}
