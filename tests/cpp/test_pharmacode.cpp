#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "symbologies/registry.h"
#include "tests/cpp/zint_dump.h"
#include "tests/cpp/zint_rows.h"

namespace {

struct Row {
    const char* symbology;
    const char* data;
    std::vector<const char*> dumps;  // one per row, top first
};

// zint 2.15 --dump (-b 51 one track, -b 53 two tracks) gives the same modules; the limits are
// the codes' smallest and largest values (all narrow bars; all full bars).
const Row kRows[] = {
    {"pharmacode", "3", {"9"}},
    {"pharmacode", "1234", {"93 9C 9C 93 9C"}},
    {"pharmacode", "131070", {"E7 39 CE 73 9C E7 39 CE 73 9C"}},
    {"pharmacode-two-track", "4", {"0", "A"}},
    {"pharmacode-two-track", "12345", {"22 28 8", "88 AA 8"}},
    {"pharmacode-two-track", "64570080", {"AA AA AA AA", "AA AA AA AA"}},
};

TEST(Pharmacode, ModulesAsZint) {
    for (const Row& row : kRows) {
        const EncodedSymbol symbol = Encode(row.symbology, row.data, EncodeOptions{});
        ASSERT_EQ(symbol.rows.size(), row.dumps.size()) << row.data;
        for (size_t r = 0; r < row.dumps.size(); ++r)
            EXPECT_EQ(ZintDump(symbol.rows[r].modules), row.dumps[r]) << row.symbology << " " << row.data;
        EXPECT_TRUE(symbol.text.empty());
        EXPECT_EQ(symbol.quiet_zone.left, 6);
    }
}

TEST(Pharmacode, RefusesValuesOutsideTheRange) {
    struct Refusal {
        const char* symbology;
        const char* data;
        long position;
        const char* message;
    };
    // Worked by hand from the ranges; zint refuses the same values.
    const Refusal refusals[] = {
        {"pharmacode", "2", -1, "pharmacode: the value 2 is outside 3-131070"},
        {"pharmacode", "131071", -1, "pharmacode: the value 131071 is outside 3-131070"},
        {"pharmacode", "12x", 2, "pharmacode: only digits can be encoded"},
        {"pharmacode", "1234567", -1, "pharmacode: the data has more than 6 characters"},
        {"pharmacode-two-track", "3", -1, "pharmacode-two-track: the value 3 is outside 4-64570080"},
        {"pharmacode-two-track", "64570081", -1, "pharmacode-two-track: the value 64570081 is outside 4-64570080"},
    };
    for (const Refusal& r : refusals) {
        try {
            Encode(r.symbology, r.data, EncodeOptions{});
            ADD_FAILURE() << "accepted " << r.data;
        } catch (const EncodeError& e) {
            EXPECT_EQ(e.what(), std::string(r.message));
            EXPECT_EQ(e.Position(), r.position) << r.message;
        }
    }
}

TEST(Pharmacode, SeededValuesAsZint) {
    if (!HaveZint()) GTEST_SKIP() << "zint not installed";
    std::mt19937 rng(51);
    for (int n = 0; n < 16; ++n) {
        const bool two = n % 2;
        const std::string data = std::to_string(two ? 4 + rng() % 64570077 : 3 + rng() % 131068);
        const EncodedSymbol symbol = Encode(two ? "pharmacode-two-track" : "pharmacode", data, EncodeOptions{});
        const auto zint = ZintRowsOf(two ? "-b 53" : "-b 51", data);
        ASSERT_TRUE(zint && zint->size() == symbol.rows.size()) << data;
        for (size_t r = 0; r < symbol.rows.size(); ++r) {
            const std::string ours = ModuleRows(symbol)[r];
            EXPECT_EQ(ours, (*zint)[r].substr(0, ours.size())) << data;
            EXPECT_EQ((*zint)[r].find('1', ours.size()), std::string::npos) << data;
        }
    }
}

}  // namespace
