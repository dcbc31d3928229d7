#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "symbologies/databar/databar_common.h"

namespace {

// Every way to split `modules` into `elements` widths of 1..widest, in lexicographic order; without
// `no_narrow` only those with at least one one-module element.
std::vector<std::vector<int>> AllPatterns(int modules, int elements, int widest, bool no_narrow) {
    std::vector<std::vector<int>> out;
    std::vector<int> current;
    auto fill = [&](auto&& self, int left, int remaining) -> void {
        if (remaining == 1) {
            if (left < 1 || left > widest) return;
            current.push_back(left);
            if (no_narrow || std::count(current.begin(), current.end(), 1) > 0) out.push_back(current);
            current.pop_back();
            return;
        }
        for (int w = 1; w <= widest && w < left; ++w) {
            current.push_back(w);
            self(self, left - w, remaining - 1);
            current.pop_back();
        }
    };
    fill(fill, modules, elements);
    return out;
}

struct Subset {
    const char* name;
    int modules, elements, widest;
    bool no_narrow;
    int combinations;  // the size of the subset's value range in the published group tables
};

class RssWidthsSubsets : public ::testing::TestWithParam<Subset> {};

// Values number distinct admissible patterns in lexicographic order. Where the published range
// covers every admissible pattern they must be exactly those; for a few subsets the combination
// count leaves some wide-first patterns unused.
TEST_P(RssWidthsSubsets, NumbersAdmissiblePatternsInOrder) {
    const Subset& s = GetParam();
    const std::vector<std::vector<int>> admissible = AllPatterns(s.modules, s.elements, s.widest, s.no_narrow);
    std::vector<std::vector<int>> produced;
    for (int v = 0; v < s.combinations; ++v) {
        produced.push_back(RssWidths(v, s.modules, s.elements, s.widest, s.no_narrow));
        ASSERT_TRUE(std::binary_search(admissible.begin(), admissible.end(), produced.back())) << "value " << v;
        if (v > 0) {
            ASSERT_LT(produced[size_t(v) - 1], produced.back()) << "value " << v;
        }
    }
    if (admissible.size() == produced.size()) {
        EXPECT_EQ(produced, admissible);
    }
}

// The odd and even subsets of every character group of the three symbologies.
INSTANTIATE_TEST_SUITE_P(
    Groups, RssWidthsSubsets,
    ::testing::Values(
        // Omnidirectional outside characters: odd without the narrow rule, even with it.
        Subset{"Outside0Odd", 12, 4, 8, true, 161}, Subset{"Outside0Even", 4, 4, 1, false, 1},
        Subset{"Outside1Odd", 10, 4, 6, true, 80}, Subset{"Outside1Even", 6, 4, 3, false, 10},
        Subset{"Outside2Odd", 8, 4, 4, true, 31}, Subset{"Outside2Even", 8, 4, 5, false, 34},
        Subset{"Outside3Odd", 6, 4, 3, true, 10}, Subset{"Outside3Even", 10, 4, 6, false, 70},
        Subset{"Outside4Odd", 4, 4, 1, true, 1}, Subset{"Outside4Even", 12, 4, 8, false, 126},
        // Omnidirectional inside characters: the narrow rule on the odd subset.
        Subset{"Inside5Odd", 5, 4, 2, false, 4}, Subset{"Inside5Even", 10, 4, 7, true, 84},
        Subset{"Inside6Odd", 7, 4, 4, false, 20}, Subset{"Inside6Even", 8, 4, 5, true, 35},
        Subset{"Inside7Odd", 9, 4, 6, false, 48}, Subset{"Inside7Even", 6, 4, 3, true, 10},
        Subset{"Inside8Odd", 11, 4, 8, false, 81}, Subset{"Inside8Even", 4, 4, 1, true, 1},
        // Limited: seven elements per subset.
        Subset{"Limited0Odd", 17, 7, 6, true, 6538}, Subset{"Limited0Even", 9, 7, 3, false, 28},
        Subset{"Limited1Odd", 13, 7, 5, true, 875}, Subset{"Limited1Even", 13, 7, 4, false, 728},
        Subset{"Limited2Odd", 9, 7, 3, true, 28}, Subset{"Limited2Even", 17, 7, 6, false, 6454},
        Subset{"Limited3Odd", 15, 7, 5, true, 2415}, Subset{"Limited3Even", 11, 7, 4, false, 203},
        Subset{"Limited4Odd", 11, 7, 4, true, 203}, Subset{"Limited4Even", 15, 7, 5, false, 2408},
        Subset{"Limited5Odd", 19, 7, 8, true, 17094}, Subset{"Limited5Even", 7, 7, 1, false, 1},
        Subset{"Limited6Odd", 7, 7, 1, true, 1}, Subset{"Limited6Even", 19, 7, 8, false, 16632},
        // Expanded: the narrow rule on the odd subset.
        Subset{"Expanded1Odd", 12, 4, 7, false, 87}, Subset{"Expanded1Even", 5, 4, 2, true, 4},
        Subset{"Expanded2Odd", 10, 4, 5, false, 52}, Subset{"Expanded2Even", 7, 4, 4, true, 20},
        Subset{"Expanded3Odd", 8, 4, 4, false, 30}, Subset{"Expanded3Even", 9, 4, 5, true, 52},
        Subset{"Expanded4Odd", 6, 4, 3, false, 10}, Subset{"Expanded4Even", 11, 4, 6, true, 104},
        Subset{"Expanded5Odd", 4, 4, 1, false, 1}, Subset{"Expanded5Even", 13, 4, 8, true, 204}),
    [](const ::testing::TestParamInfo<Subset>& info) { return std::string(info.param.name); });

TEST(RssWidths, KnownValues) {
    EXPECT_EQ(RssWidths(0, 12, 4, 8, true), (std::vector<int>{1, 1, 2, 8}));
    EXPECT_EQ(RssWidths(160, 12, 4, 8, true), (std::vector<int>{8, 2, 1, 1}));
    EXPECT_EQ(RssWidths(0, 17, 7, 6, true), (std::vector<int>{1, 1, 1, 1, 1, 6, 6}));
    EXPECT_EQ(RssWidths(0, 9, 7, 3, false), (std::vector<int>{1, 1, 1, 1, 1, 1, 3}));
}

TEST(RunLengths, StartWithADarkRun) {
    EXPECT_EQ(RunLengths({true, true, false, true}), (std::vector<int>{2, 1, 1}));
    EXPECT_EQ(RunLengths({false, false, true}), (std::vector<int>{0, 2, 1}));
    std::vector<bool> row;
    AppendElements(row, {1, 3, 2}, false);
    EXPECT_EQ(RunLengths(row), (std::vector<int>{0, 1, 3, 2}));
}

}  // namespace
