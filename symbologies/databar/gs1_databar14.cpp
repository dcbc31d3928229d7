#include "symbologies/databar/gs1_databar14.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "core/model/encode_error.h"
#include "core/text_encoding/digits.h"
#include "gs1/check_digit.h"
#include "symbologies/databar/databar_symbol.h"

namespace {

// The fastest-varying subset is the even one for outside characters, the odd one for inside ones.
constexpr DataBarCharacterGroup kOutsideGroups[5] = {
    {0, 12, 4, 8, 1, 1},       {161, 10, 6, 6, 3, 10},  {961, 8, 8, 4, 5, 34},
    {2015, 6, 10, 3, 6, 70},   {2715, 4, 12, 1, 8, 126},
};
constexpr DataBarCharacterGroup kInsideGroups[4] = {
    {0, 5, 10, 2, 7, 4}, {336, 7, 8, 4, 5, 20}, {1036, 9, 6, 6, 3, 48}, {1516, 11, 4, 8, 1, 81},
};

constexpr int kFinders[9][5] = {
    {3, 8, 2, 1, 1}, {3, 5, 5, 1, 1}, {3, 3, 7, 1, 1}, {3, 1, 9, 1, 1}, {2, 7, 4, 1, 1},
    {2, 5, 6, 1, 1}, {2, 3, 8, 1, 1}, {1, 5, 7, 1, 1}, {1, 3, 9, 1, 1},
};

// Checksum weights of the 8 elements of data characters d1 to d4.
constexpr int kChecksumWeights[4][8] = {
    {1, 3, 9, 27, 2, 6, 18, 54},
    {4, 12, 36, 29, 8, 24, 72, 58},
    {16, 48, 65, 37, 32, 17, 51, 74},
    {64, 34, 23, 69, 49, 68, 46, 59},
};

// The 8 element widths of one data character: outside characters vary the even subset fastest.
std::vector<int> CharacterWidths(int value, bool outside) {
    DataBarCharacterSet set;
    set.groups = outside ? kOutsideGroups : kInsideGroups;
    set.group_count = outside ? 5 : 4;
    set.elements = 4;
    set.odd_value_slowest = outside;
    set.odd_no_narrow = outside;
    return DataBarCharacterWidths(value, set);
}

// Separator between the two rows of the stacked form: dark where both rows are light, and
// alternating where they differ. The alternation runs from the left edge (module 0 light); only
// then are the four modules at each end made light.
std::vector<bool> StackedSeparator(const std::vector<bool>& top, const std::vector<bool>& bottom) {
    std::vector<bool> sep(top.size(), false);
    for (size_t i = 1; i < top.size(); ++i) sep[i] = top[i] == bottom[i] ? !top[i] : !sep[i - 1];
    for (size_t i = 0; i < 4; ++i) sep[i] = sep[sep.size() - 1 - i] = false;
    return sep;
}

// Separator next to a row of the stacked omnidirectional form: the row's complement, broken into
// alternating modules over the light parts of its finder (16 modules from `finder_start`).
std::vector<bool> FinderSeparator(const std::vector<bool>& row, size_t finder_start) {
    std::vector<bool> sep(row.size(), false);
    for (size_t i = 4; i + 4 < row.size(); ++i) sep[i] = !row[i];
    bool next_dark = true;
    for (size_t i = finder_start; i < finder_start + 16; ++i) {
        if (row[i]) {
            sep[i] = false;
            next_dark = true;
        } else {
            sep[i] = next_dark;
            next_dark = !next_dark;
        }
    }
    return sep;
}

// The separator above the bottom row. With right finder value 3 (modules 17-31 = 1 1 9 1 3) its
// one dark module over the finder's wide light element moves one module right, so that it does not
// touch the row's bar.
std::vector<bool> BottomFinderSeparator(const std::vector<bool>& bottom, int right_finder) {
    std::vector<bool> sep = FinderSeparator(bottom, 16);
    if (right_finder == 3) {
        sep[28] = false;
        sep[29] = true;
    }
    return sep;
}

std::vector<bool> MiddleSeparator(size_t width) {
    std::vector<bool> sep(width, false);
    for (size_t i = 5; i < 46; i += 2) sep[i] = true;
    return sep;
}

// The separator between a composite component and the row under it: the row's complement inside
// four light modules at each end, broken into alternating modules over the light parts of the
// finders (13 modules from each of `finder_starts`).
std::vector<bool> ComponentSeparator(const std::vector<bool>& row, const std::vector<size_t>& finder_starts) {
    std::vector<bool> sep(row.size(), false);
    for (size_t i = 4; i + 4 < row.size(); ++i) sep[i] = !row[i];
    for (const size_t start : finder_starts) {
        bool next_dark = true;
        for (size_t i = start; i < start + 13; ++i) {
            sep[i] = !row[i] && next_dark;
            next_dark = row[i] || !next_dark;
        }
    }
    return sep;
}

}  // namespace

DataBar14Symbol EncodeGS1DataBar14(const std::string& content, int symbol_type, bool linked) {
    if (const size_t bad = FirstNonDigit(content); bad != std::string::npos)
        throw EncodeError(EncodeErrorKind::InvalidCharacter, "GS1 DataBar requires numeric digits only", long(bad));
    if (content.size() > 13) throw EncodeError(EncodeErrorKind::TooLong, "Input too long (max 13 digits)", -1, 13);

    DataBar14Symbol s;
    const std::string body = std::string(13 - content.size(), '0') + content;
    s.digits = body + GS1CheckDigit(body);
    const int64_t value = std::stoll(body) + (linked ? 10000000000000 : 0);
    const int64_t left = value / 4537077, right = value % 4537077;
    const int data[4] = {int(left / 1597), int(left % 1597), int(right / 1597), int(right % 1597)};

    std::vector<int> widths[4];
    int checksum = 0;
    for (int c = 0; c < 4; ++c) {
        widths[c] = CharacterWidths(data[c], c % 2 == 0);
        for (int e = 0; e < 8; ++e) checksum += widths[c][e] * kChecksumWeights[c][e];
    }
    checksum %= 79;
    if (checksum > 7) ++checksum;
    if (checksum > 71) ++checksum;
    s.checksum = checksum;
    s.left_finder = checksum / 9;
    s.right_finder = checksum % 9;

    // Guard, character 1, left finder, character 2 reversed, character 4, right finder reversed,
    // character 3 reversed, guard.
    const int* left_finder = kFinders[s.left_finder];
    const int* right_finder = kFinders[s.right_finder];
    ModuleWidths& e = s.elements;
    e = {1, 1};
    e.insert(e.end(), widths[0].begin(), widths[0].end());
    e.insert(e.end(), left_finder, left_finder + 5);
    e.insert(e.end(), widths[1].rbegin(), widths[1].rend());
    e.insert(e.end(), widths[3].begin(), widths[3].end());
    e.insert(e.end(), std::make_reverse_iterator(right_finder + 5), std::make_reverse_iterator(right_finder));
    e.insert(e.end(), widths[2].rbegin(), widths[2].rend());
    e.insert(e.end(), {1, 1});

    if (symbol_type != kDataBar14Stacked && symbol_type != kDataBar14StackedOmnidirectional) {
        std::vector<bool> row;
        AppendElements(row, e, false);
        s.rows = {{row, -1}};
        if (linked) s.rows.insert(s.rows.begin(), {ComponentSeparator(row, {18, 63}), 1});
        return s;
    }
    // Two rows of 50 modules: the left half closed by a bar and a space, the right half opened by them.
    std::vector<bool> top, bottom;
    AppendElements(top, ModuleWidths(e.begin(), e.begin() + 23), false);
    AppendElements(top, {1, 1}, true);
    AppendElements(bottom, {1, 1}, true);
    AppendElements(bottom, ModuleWidths(e.begin() + 23, e.end()), true);
    if (symbol_type == kDataBar14Stacked) {
        s.rows = {{top, 5}, {StackedSeparator(top, bottom), 1}, {bottom, 7}};
    } else {
        s.rows = {{top, -1},
                  {FinderSeparator(top, 17), 1},
                  {MiddleSeparator(top.size()), 1},
                  {BottomFinderSeparator(bottom, s.right_finder), 1},
                  {bottom, -1}};
    }
    if (linked) s.rows.insert(s.rows.begin(), {ComponentSeparator(top, {18}), 1});
    return s;
}

namespace {

// Default heights: the least ISO/IEC 24724 allows, 33 modules for a row read in any direction
// (Stacked: 5 + 1 + 7 modules, fixed).
EncodedSymbol DataBar14Of(const std::string& text, int symbol_type) {
    const DataBar14Symbol symbol = EncodeGS1DataBar14(GtinDataDigits(text), symbol_type);
    return DataBarSymbol(symbol.rows, 33, "(01)" + symbol.digits);
}

}  // namespace

EncodedSymbol EncodeDataBarSymbol(const std::string& text, const EncodeOptions&) {
    return DataBar14Of(text, kDataBar14Omnidirectional);
}

EncodedSymbol EncodeDataBarStackedSymbol(const std::string& text, const EncodeOptions&) {
    return DataBar14Of(text, kDataBar14Stacked);
}

EncodedSymbol EncodeDataBarStackedOmniSymbol(const std::string& text, const EncodeOptions&) {
    return DataBar14Of(text, kDataBar14StackedOmnidirectional);
}
