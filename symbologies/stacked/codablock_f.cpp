#include "symbologies/stacked/codablock_f.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/text_encoding/utf8.h"
#include "symbologies/linear/code128_symbols.h"
#include "symbologies/symbol_building.h"

namespace {

using namespace code128;

constexpr int kMinColumns = 4;
constexpr int kMaxColumns = 62;
constexpr int kMinRows = 2;
constexpr int kMaxRows = 44;
// The most characters: every symbol character of the largest symbol a digit pair, K1 and K2 aside.
constexpr size_t kMostCharacters = 2 * (kMaxRows * kMaxColumns - 2);
constexpr int kShift = 98;
constexpr int kFnc4InA = 101;
constexpr int kFnc4InB = 100;

enum Set { kSetA, kSetB, kSetC };
// The second character of a row names the code set its data starts in (after Start A: Shift
// keeps set A, Code B and Code C switch).
constexpr int kSelector[3] = {kShift, kCodeB, kCodeC};

// The text's characters as ISO/IEC 8859-1 bytes.
std::string ToLatin1(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const size_t n = Utf8CharacterLength(text, i);
        const char32_t code_point = n == 0 ? 0xFFFD : DecodeUtf8(&text[i], n);
        if (code_point > 0xFF)
            throw EncodeError(EncodeErrorKind::InvalidCharacter,
                              "only ISO/IEC 8859-1 characters (U+0000 to U+00FF) can be encoded", long(i));
        out += char(code_point);
        i += n;
    }
    return out;
}

bool OnlyInA(unsigned char c) { return c < 0x20; }
bool OnlyInB(unsigned char c) { return c >= 0x60 && c < 0x80; }
bool OnlyIn(Set set, unsigned char c) { return set == kSetA ? OnlyInA(c) : OnlyInB(c); }

int ValueIn(Set set, unsigned char c) { return set == kSetA ? ValueInSetA(c) : ValueInSetB(c); }

// Set A or B for the text from p on: the set of the first character only one of them holds (past
// 0x7F: the character FNC4 makes of it).
Set LetterSet(const std::string& data, size_t p) {
    for (; p < data.size(); ++p) {
        const auto c = static_cast<unsigned char>(data[p] & 0x7F);
        if (OnlyInA(c)) return kSetA;
        if (OnlyInB(c)) return kSetB;
    }
    return kSetB;
}

size_t DigitRun(const std::string& data, size_t p) {
    size_t end = p;
    while (end < data.size() && data[end] >= '0' && data[end] <= '9') ++end;
    return end - p;
}

// A number 0..85 (row indicator, K1, K2) as a symbol value: itself in set C; in sets A and B the
// 86 values that are neither digits nor function characters, in the order 64..95, 0..15, 26..63.
int NumberValue(Set set, int n) {
    if (set == kSetC) return n;
    if (n < 32) return n + 64;
    return n < 48 ? n - 32 : n - 22;
}

struct Row {
    Set set;                  // the set its selector names
    Set end_set;              // the set current after its last value
    std::vector<int> values;  // data columns
};

// Where a row begins: set C before four digits or more, else the set the letters ask for.
Set RowStartSet(const std::string& data, size_t p) { return DigitRun(data, p) >= 4 ? kSetC : LetterSet(data, p); }

// Pads the row to `width` values with set switches, which carry no data.
void Fill(Row& row, size_t width) {
    while (row.values.size() < width) {
        row.values.push_back(row.end_set == kSetC ? kCodeB : kCodeC);
        row.end_set = row.end_set == kSetC ? kSetB : kSetC;
    }
}

// Lays out the data in rows of `columns` values, the check characters in the last row; at least
// max(2, min_rows) rows. Stops (returning what it has) once it passes `most_rows`.
std::vector<Row> Layout(const std::string& data, size_t columns, int min_rows, int most_rows) {
    std::vector<Row> rows;
    size_t p = 0;
    while (p < data.size() && int(rows.size()) <= most_rows) {
        Row row{RowStartSet(data, p), kSetB, {}};
        Set set = row.set;
        std::vector<int>& v = row.values;
        while (v.size() < columns && p < data.size()) {
            const size_t free = columns - v.size();
            const auto c = static_cast<unsigned char>(data[p]);
            if (set == kSetC) {
                if (DigitRun(data, p) >= 2) {
                    v.push_back((data[p] - '0') * 10 + data[p + 1] - '0');
                    p += 2;
                    continue;
                }
                if (free < 2) break;
                set = LetterSet(data, p);
                v.push_back(set == kSetA ? kCodeA : kCodeB);
                continue;
            }
            if (DigitRun(data, p) >= 4 && free >= 3) {
                v.push_back(kCodeC);
                set = kSetC;
                continue;
            }
            const bool extended = c >= 0x80;
            const auto low = static_cast<unsigned char>(c & 0x7F);
            const size_t width = extended ? 2 : 1;
            if (ValueIn(set, low) >= 0) {
                if (free < width) break;
                if (extended) v.push_back(set == kSetA ? kFnc4InA : kFnc4InB);
                v.push_back(ValueIn(set, low));
                ++p;
                continue;
            }
            const Set other = set == kSetA ? kSetB : kSetA;
            // Latch when what follows is not the current set's alone; shift one character else
            // (FNC4 first, in the current set).
            const bool latch = p + 1 < data.size() && !OnlyIn(set, static_cast<unsigned char>(data[p + 1]));
            if (free < width + 1) break;
            if (latch) {
                v.push_back(other == kSetA ? kCodeA : kCodeB);
                set = other;
                continue;
            }
            if (extended) v.push_back(set == kSetA ? kFnc4InA : kFnc4InB);
            v.push_back(kShift);
            v.push_back(ValueIn(other, low));
            ++p;
        }
        row.end_set = set;
        if (p < data.size()) Fill(row, columns);
        rows.push_back(std::move(row));
    }
    if (int(rows.size()) > most_rows) return rows;
    // K1 and K2 take the last two columns of the last row.
    long k1 = 0, k2 = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        const auto x = static_cast<unsigned char>(data[i]);
        k1 = (k1 + long(i + 1) * x) % 86;
        k2 = (k2 + long(i) * x) % 86;
    }
    if (rows.back().values.size() + 2 > columns) {
        Fill(rows.back(), columns);
        rows.push_back(Row{kSetB, kSetB, {}});
    }
    while (int(rows.size()) < std::max(kMinRows, min_rows)) {
        Fill(rows.back(), columns);
        rows.push_back(Row{kSetB, kSetB, {}});
    }
    Row& last = rows.back();
    Fill(last, columns - 2);
    last.values.push_back(NumberValue(last.end_set, int(k1)));
    last.values.push_back(NumberValue(last.end_set, int(k2)));
    return rows;
}

[[noreturn]] void Refuse(const std::string& what) { throw EncodeError(EncodeErrorKind::InvalidOption, what); }

std::vector<Row> ChooseLayout(const std::string& data, const EncodeOptions& options) {
    if (options.columns != 0 && (options.columns < kMinColumns || options.columns > kMaxColumns))
        Refuse("columns must be 4 to 62 (0: automatic)");
    if (options.rows != 0 && (options.rows < kMinRows || options.rows > kMaxRows))
        Refuse("rows must be 2 to 44 (0: automatic)");
    const int most_rows = options.rows != 0 ? options.rows : kMaxRows;
    if (options.columns != 0) {
        std::vector<Row> rows = Layout(data, size_t(options.columns), options.rows, most_rows);
        if (int(rows.size()) > most_rows)
            Refuse("columns=" + std::to_string(options.columns) +
                   (options.rows != 0 ? " and rows=" + std::to_string(options.rows) + " cannot hold the data"
                                      : " cannot hold the data in 44 rows (at most)"));
        return rows;
    }
    // Automatic: about as many columns as rows (in characters), more when the rows run out.
    int columns = kMinColumns;
    if (options.rows == 0) {
        // Characters past 0x7F take an FNC4 each.
        const auto extended = std::count_if(data.begin(), data.end(), [](char c) { return c & 0x80; });
        columns = std::clamp(int(std::sqrt(double(data.size() + size_t(extended)))), kMinColumns, kMaxColumns);
    }
    for (;; ++columns) {
        std::vector<Row> rows = Layout(data, size_t(columns), options.rows, most_rows);
        if (int(rows.size()) <= most_rows) return rows;
        if (columns == kMaxColumns) break;
    }
    if (options.rows != 0) Refuse("rows=" + std::to_string(options.rows) + " cannot hold the data in 62 columns");
    const long capacity = kMaxRows * kMaxColumns - 2;
    throw EncodeError(EncodeErrorKind::TooLong,
                      "the data needs more than 44 rows of 62 columns (" + std::to_string(capacity) +
                          " symbol characters)",
                      -1, capacity);
}

}  // namespace

EncodedSymbol EncodeCodablockFSymbol(const std::string& text, const EncodeOptions& options) {
    RefuseEmpty(text);
    RefuseLongerThan(text, kMostCharacters);
    const std::vector<Row> rows = ChooseLayout(ToLatin1(text), options);

    EncodedSymbol symbol;
    const int count = int(rows.size());
    for (int r = 0; r < count; ++r) {
        // The first row's indicator counts the rows; the others' number them.
        const int indicator = r == 0 ? count - 2 : 42 + r;
        std::vector<int> values{kStartA, kSelector[rows[size_t(r)].set],
                                NumberValue(rows[size_t(r)].set, indicator)};
        values.insert(values.end(), rows[size_t(r)].values.begin(), rows[size_t(r)].values.end());
        std::vector<uint8_t> modules = ModulesOfWidths(ToModuleWidths(values, "invalid Codablock-F value"));
        symbol.width = int(modules.size());
        if (r > 0) {
            // Separator: dark between the start and stop characters (Start A and Stop frame every row).
            std::vector<uint8_t> separator = modules;
            std::fill(separator.begin() + 11, separator.end() - 11, uint8_t(1));
            symbol.rows.push_back(SymbolRow{std::move(separator), 1.0, {}});
        }
        symbol.rows.push_back(SymbolRow{std::move(modules), 0.0, {}});
    }
    // A bar above and below the rows, across the whole width.
    const SymbolRow bind{std::vector<uint8_t>(size_t(symbol.width), 1), 1.0, {}};
    symbol.rows.insert(symbol.rows.begin(), bind);
    symbol.rows.push_back(bind);
    // Rows 9 modules tall under one-module separators: a row every 10 modules.
    symbol.bar_height = 9.0 * count;
    symbol.quiet_zone = ModuleMargins{10.0, 0.0, 10.0, 0.0};
    symbol.full_text = text;
    return symbol;
}
