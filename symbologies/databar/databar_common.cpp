#include "symbologies/databar/databar_common.h"

namespace {

// Binomial coefficient C(n, r), multiplying and dividing in turn so the intermediate stays exact.
int Combinations(int n, int r) {
    const int min_denominator = n - r > r ? r : n - r;
    const int max_denominator = n - r > r ? n - r : r;
    int value = 1;
    int j = 1;
    for (int i = n; i > max_denominator; --i) {
        value *= i;
        if (j <= min_denominator) value /= j++;
    }
    for (; j <= min_denominator; ++j) value /= j;
    return value;
}

}  // namespace

std::vector<int> RssWidths(int value, int modules, int elements, int widest, bool no_narrow) {
    std::vector<int> widths(elements);
    unsigned narrow_mask = 0;
    for (int k = 0; k < elements - 1; ++k) {
        const int left = elements - k - 1;  // elements after this one
        int width = 1;
        int count = 0;
        for (narrow_mask |= 1u << k;; ++width, narrow_mask &= ~(1u << k)) {
            // Combinations of the remaining elements once this one takes `width` modules ...
            count = Combinations(modules - width - 1, left - 1);
            // ... less those whose remaining elements would all be wider than one module ...
            if (!no_narrow && narrow_mask == 0 && modules - width - left >= left)
                count -= Combinations(modules - width - left - 1, left - 1);
            // ... and those with an element wider than `widest`.
            if (left > 1) {
                int too_wide = 0;
                for (int m = modules - width - (left - 1); m > widest; --m)
                    too_wide += Combinations(modules - width - m - 1, left - 2);
                count -= too_wide * left;
            } else if (modules - width > widest) {
                --count;
            }
            value -= count;
            if (value < 0) break;
        }
        value += count;
        modules -= width;
        widths[k] = width;
    }
    widths[elements - 1] = modules;
    return widths;
}

void AppendElements(std::vector<bool>& row, const std::vector<int>& widths, bool dark_first) {
    bool dark = dark_first;
    for (int w : widths) {
        row.insert(row.end(), size_t(w), dark);
        dark = !dark;
    }
}

std::vector<int> RunLengths(const std::vector<bool>& modules) {
    std::vector<int> runs;
    bool dark = true;
    int length = 0;
    for (bool m : modules) {
        if (m != dark) {
            runs.push_back(length);
            dark = m;
            length = 0;
        }
        ++length;
    }
    runs.push_back(length);
    return runs;
}

std::vector<int> DataBarCharacterWidths(int value, const DataBarCharacterSet& set) {
    int g = 0;
    while (g + 1 < set.group_count && value >= set.groups[g + 1].first) ++g;
    const DataBarCharacterGroup& group = set.groups[g];
    const int v = value - group.first;
    const int slow = v / group.combinations, fast = v % group.combinations;
    const std::vector<int> odd = RssWidths(set.odd_value_slowest ? slow : fast, group.odd_modules, set.elements,
                                           group.widest_odd, set.odd_no_narrow);
    const std::vector<int> even = RssWidths(set.odd_value_slowest ? fast : slow, group.even_modules, set.elements,
                                            group.widest_even, !set.odd_no_narrow);
    std::vector<int> widths;
    for (int i = 0; i < set.elements; ++i) {
        widths.push_back(odd[size_t(i)]);
        widths.push_back(even[size_t(i)]);
    }
    return widths;
}
