#include "symbologies/databar/gs1_databar_expanded.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "gs1/element_input.h"
#include "symbologies/databar/databar_symbol.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr DataBarCharacterGroup kGroups[5] = {
    {0, 12, 5, 7, 2, 4},      {348, 10, 7, 5, 4, 20},    {1388, 8, 9, 4, 5, 52},
    {2948, 6, 11, 3, 6, 104}, {3988, 4, 13, 1, 8, 204},
};

// Finder patterns A to F; a finder written in lower case in a sequence is reversed.
constexpr int kFinders[6][5] = {
    {1, 8, 4, 1, 1}, {3, 6, 4, 1, 1}, {3, 4, 6, 1, 1}, {3, 2, 8, 1, 1}, {2, 6, 5, 1, 1}, {2, 2, 9, 1, 1},
};
// Finder sequences for 2 to 11 finders.
constexpr const char* kFinderSequences[10] = {
    "Aa", "AbB", "AcBd", "AeBdC", "AeBdDf", "AeBdEfF", "AaBbCcDd", "AaBbCcDeE", "AaBbCcDeFf", "AaBbCdDeEfF",
};

// Checksum weight rows (3^(8r+e) mod 211) and, by (data characters - 2) / 2, the row of each data character.
struct WeightTable {
    int weight[23][8];
};
constexpr WeightTable MakeWeights() {
    WeightTable t{};
    int w = 1;
    for (auto& row : t.weight) {
        for (int& cell : row) {
            cell = w;
            w = w * 3 % 211;
        }
    }
    return t;
}
constexpr WeightTable kWeights = MakeWeights();
constexpr signed char kWeightRows[10][21] = {
    {0, 1, 2},
    {0, 5, 6, 3, 4},
    {0, 9, 10, 3, 4, 13, 14},
    {0, 17, 18, 3, 4, 13, 14, 7, 8},
    {0, 17, 18, 3, 4, 13, 14, 11, 12, 21, 22},
    {0, 17, 18, 3, 4, 13, 14, 15, 16, 21, 22, 19, 20},
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 18, 15, 16},
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 18, 19, 20, 21, 22},
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 13, 14, 11, 12, 17, 18, 15, 16, 21, 22, 19, 20},
};

constexpr int kBlockModules = 49;  // character, finder, character
constexpr size_t kFinderModules = 15;

// Columns of a stacked symbol as given, or 2 outside 1..10.
size_t StackedColumns(int columns) { return columns >= 1 && columns <= 10 ? size_t(columns) : 2; }

// The 8 element widths of one symbol character, odd and even subsets interleaved.
std::vector<int> CharacterWidths(int value) {
    DataBarCharacterSet set;
    set.groups = kGroups;
    set.group_count = 5;
    set.elements = 4;
    set.odd_value_slowest = true;
    set.odd_no_narrow = false;
    return DataBarCharacterWidths(value, set);
}

// One block per finder: the character before it, the finder, the character after it reversed
// (each pair reads outwards from its finder).
std::vector<ModuleWidths> Blocks(const std::vector<std::vector<int>>& characters) {
    const size_t finders = (characters.size() + 1) / 2;
    const char* sequence = kFinderSequences[finders - 2];
    std::vector<ModuleWidths> blocks(finders);
    for (size_t j = 0; j < finders; ++j) {
        ModuleWidths& b = blocks[j];
        b.assign(characters[2 * j].begin(), characters[2 * j].end());
        const char f = sequence[j];
        const int* finder = kFinders[(f >= 'a' ? f - 'a' : f - 'A')];
        if (f >= 'a') {
            b.insert(b.end(), std::make_reverse_iterator(finder + 5), std::make_reverse_iterator(finder));
        } else {
            b.insert(b.end(), finder, finder + 5);
        }
        if (2 * j + 1 < characters.size()) {
            const std::vector<int>& right = characters[2 * j + 1];
            b.insert(b.end(), right.rbegin(), right.rend());
        }
    }
    return blocks;
}

// A data row's separator: its complement inside four light modules at each end (five at the left
// of a widened row), with the stretches over its finders' 15 modules broken up, in reading
// direction, so that no two dark modules touch there.
std::vector<bool> RowSeparator(const std::vector<bool>& row, const std::vector<size_t>& finder_starts,
                               bool left_to_right, bool widened) {
    std::vector<bool> sep(row.size(), false);
    for (size_t i = widened ? 5 : 4; i + 4 < row.size(); ++i) sep[i] = !row[i];
    for (size_t s : finder_starts) {
        if (left_to_right) {
            for (size_t p = s; p < s + kFinderModules; ++p)
                if (sep[p] && sep[p - 1]) sep[p] = false;
        } else {
            for (size_t p = s + kFinderModules; p-- > s;)
                if (sep[p] && sep[p + 1]) sep[p] = false;
        }
    }
    return sep;
}

std::vector<DataBarRow> StackedRows(const std::vector<ModuleWidths>& blocks, int columns) {
    const size_t c = StackedColumns(columns);
    const size_t row_count = (blocks.size() + c - 1) / c;
    std::vector<DataBarRow> rows;
    std::vector<bool> previous_separator;
    for (size_t k = 1; k <= row_count; ++k) {
        const size_t first = (k - 1) * c;
        const size_t count = std::min(c, blocks.size() - first);
        const bool last_short = k == row_count && count < c;
        const bool odd_gap = (c * k - blocks.size()) % 2 == 1;
        const bool left_to_right = c % 2 == 1 || k % 2 == 1 || (last_short && odd_gap);
        // With an even number of columns, a short last row that the parity above keeps left to right
        // would start with the colour of a reversed row: it starts light, one module wider. (With
        // an odd number every row is left to right and already starts with the right colour.)
        const bool widened = c % 2 == 0 && k % 2 == 0 && last_short && odd_gap;

        ModuleWidths elements = {widened ? 2 : 1, 1};
        std::vector<size_t> finder_starts;
        size_t module = size_t(elements[0] + elements[1]);
        for (size_t i = 0; i < count; ++i) {
            const ModuleWidths& block = blocks[left_to_right ? first + i : first + count - 1 - i];
            ModuleWidths placed = block;
            if (!left_to_right) std::reverse(placed.begin(), placed.end());
            // The finder follows the 8 elements of a character (or stands first in a reversed lone half block).
            const bool lone_first = !left_to_right && block.size() == 13;
            size_t finder = module;
            for (int e = 0; e < (lone_first ? 0 : 8); ++e) finder += size_t(placed[size_t(e)]);
            finder_starts.push_back(finder);
            for (int w : placed) module += size_t(w);
            elements.insert(elements.end(), placed.begin(), placed.end());
        }
        elements.insert(elements.end(), {1, 1});

        std::vector<bool> modules;
        AppendElements(modules, elements, !(k % 2 == 1 || widened));
        const std::vector<bool> separator = RowSeparator(modules, finder_starts, left_to_right, widened);
        if (k > 1) {
            std::vector<bool> middle(previous_separator.size(), false);
            for (size_t i = 5; i < kBlockModules * c && i < middle.size(); i += 2) middle[i] = true;
            rows.push_back({previous_separator, 1});
            rows.push_back({middle, 1});
            rows.push_back({separator, 1});
        }
        rows.push_back({modules, -1});
        previous_separator = separator;
    }
    return rows;
}

}  // namespace

ExpandedSymbol EncodeGS1DataBarExpanded(const ExpandedInput& input, bool stacked, int columns, bool linked) {
    ExpandedSymbol s;
    s.data = EncodeExpandedBits(input, stacked ? int(2 * StackedColumns(columns)) : 0, linked);
    const std::string& bits = s.data.bits;
    for (size_t i = 0; i < bits.size(); i += 12) s.values.push_back(std::stoi(bits.substr(i, 12), nullptr, 2));

    const size_t n = s.values.size();
    std::vector<std::vector<int>> characters(n + 1);
    int checksum = 0;
    for (size_t i = 0; i < n; ++i) {
        characters[i + 1] = CharacterWidths(s.values[i]);
        const int* weights = kWeights.weight[int(kWeightRows[(n - 2) / 2][i])];
        for (int e = 0; e < 8; ++e) checksum += characters[i + 1][size_t(e)] * weights[e];
    }
    s.check_value = 211 * int(n - 3) + checksum % 211;
    characters[0] = CharacterWidths(s.check_value);

    const std::vector<ModuleWidths> blocks = Blocks(characters);
    s.elements = {1, 1};
    for (const ModuleWidths& block : blocks) s.elements.insert(s.elements.end(), block.begin(), block.end());
    s.elements.insert(s.elements.end(), {1, 1});

    if (stacked) {
        s.rows = StackedRows(blocks, columns);
    } else {
        std::vector<bool> row;
        AppendElements(row, s.elements, false);
        s.rows = {{row, -1}};
    }
    if (linked) {
        // The top row reads left to right: its finders follow the check character and each block.
        const std::vector<bool>& top = s.rows[0].modules;
        std::vector<size_t> finders;
        for (size_t start = 19; start + kFinderModules + 2 <= top.size(); start += kBlockModules)
            finders.push_back(start);
        s.rows.insert(s.rows.begin(), {RowSeparator(top, finders, true, false), 1});
    }
    return s;
}

namespace {

EncodedSymbol DataBarExpandedSymbol(const std::string& text, const EncodeOptions& options, bool stacked) {
    // As GS1-128: at most 256 characters of element string (zint 2.15's limit); far fewer fit.
    RefuseLongerThan(text, 256);
    RefuseEmpty(text);
    const ExpandedInput input(ReadGS1Input(text, options.gs1_validate));
    const ExpandedSymbol symbol = EncodeGS1DataBarExpanded(input, stacked, options.columns);
    // Default height: the least ISO/IEC 24724 allows, 34 modules per row.
    EncodedSymbol out = DataBarSymbol(symbol.rows, 34, symbol.data.human_readable);
    out.full_text = GS1HumanReadable(input.elements);
    return out;
}

}  // namespace

EncodedSymbol EncodeDataBarExpandedSymbol(const std::string& text, const EncodeOptions& options) {
    return DataBarExpandedSymbol(text, options, false);
}

EncodedSymbol EncodeDataBarExpandedStackedSymbol(const std::string& text, const EncodeOptions& options) {
    if (options.columns < 0 || options.columns > 10)
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "columns must be 1 to 10 (0: 2), not " + std::to_string(options.columns));
    return DataBarExpandedSymbol(text, options, true);
}
