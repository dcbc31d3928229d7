#pragma once
#include <string>
#include <vector>

// Pieces shared by the GS1 DataBar family: the value-to-widths routine, the GTIN check digit,
// and the module rows the stacked forms are built from.

// Element widths of one subset of a DataBar character: `value` spread over `elements` elements
// totalling `modules` modules, none wider than `widest`. With `no_narrow` set, combinations
// without a one-module element are allowed as well.
std::vector<int> RssWidths(int value, int modules, int elements, int widest, bool no_narrow);

// One group of a DataBar character set: its first value, the modules and widest element of the
// odd and even subsets, and the number of combinations of the subset whose value varies fastest.
struct DataBarCharacterGroup {
    int first, odd_modules, even_modules, widest_odd, widest_even, combinations;
};

// How a character set spreads a value over its two subsets.
struct DataBarCharacterSet {
    const DataBarCharacterGroup* groups;
    int group_count;
    int elements;             // per subset
    bool odd_value_slowest;   // the odd subset takes value / combinations, else value % combinations
    bool odd_no_narrow;       // the odd subset must keep a narrow element (the even one the other)
};

// The element widths of one character of the set, odd and even subsets interleaved.
std::vector<int> DataBarCharacterWidths(int value, const DataBarCharacterSet& set);

// One row of a DataBar symbol: its modules (true = dark) and its height weight. Weight -1 marks a
// data row sharing the free height; a positive weight is a height in module widths, or, when no
// row of the symbol has a negative weight, a proportion of the total.
struct DataBarRow {
    std::vector<bool> modules;
    int weight;
};

// Appends elements to a module row, alternating colours, the first one dark when `dark_first`.
void AppendElements(std::vector<bool>& row, const std::vector<int>& widths, bool dark_first);

// Run lengths of a module row starting with a dark run (0 when the row starts light).
std::vector<int> RunLengths(const std::vector<bool>& modules);
