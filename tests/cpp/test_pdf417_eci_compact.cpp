#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "encode_error_util.h"
#include "symbologies/registry.h"
#include "tests/cpp/zint_rows.h"

namespace {

std::vector<std::string> Trimmed(std::vector<std::string> rows) {
    for (std::string& row : rows) row.erase(row.find_last_not_of('0') + 1);
    return rows;
}

// ECI designators and compact PDF417: zint --dump gives the same modules for the same bytes (it
// reads the UTF-8 text into the ECI's set as we do; -b 56 is its compact PDF417). Where text
// compaction can be split more than one way at the same length (`same_split` false), the make()
// path's fewest-codeword split may differ from zint's: then the symbol is the same size.
TEST(Pdf417EciCompact, SameModulesAsZint) {
    if (!HaveZint()) GTEST_SKIP() << "zint is not installed";
    const struct {
        const char* symbology;
        std::string data;
        int eci;
        bool compact;
        int columns;
        std::string zint;
        bool same_split = true;
    } cases[] = {
        {"pdf417", "HELLO", -1, true, 2, "-b 56 --cols=2"},
        {"pdf417", "Compact PDF417 text, 0123456789", -1, true, 3, "-b 56 --cols=3", false},
        {"pdf417", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", 7, false, 3, "-b 55 --cols=3 --eci=7"},
        {"pdf417", "HELLO 26", 26, true, 4, "-b 56 --cols=4 --eci=26", false},
        {"micropdf417", "Stra\xC3\x9F" "e 5", -1, false, 0, "-b 84"},
        {"micropdf417", "\xE2\x82\xAC 12,50", -1, false, 0, "-b 84 --eci=26"},
        {"micropdf417", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", 7, false, 0, "-b 84 --eci=7"},
    };
    for (const auto& c : cases) {
        EncodeOptions options;
        options.eci = c.eci;
        options.compact = c.compact;
        options.columns = c.columns;
        const auto theirs = ZintRowsOf(c.zint, c.data);
        ASSERT_TRUE(theirs.has_value()) << c.zint;
        const std::vector<std::string> ours = Trimmed(ModuleRows(Encode(c.symbology, c.data, options)));
        if (c.same_split) {
            EXPECT_EQ(ours, Trimmed(*theirs)) << c.zint;
        } else {
            EXPECT_EQ(ours.size(), theirs->size()) << c.zint;
            EXPECT_EQ(ours.front().size(), Trimmed(*theirs).front().size()) << c.zint;
        }
    }
}

TEST(Pdf417EciCompact, RefusedEcis) {
    EncodeOptions options;
    options.eci = 3;
    // Ж (the third character) is not in ISO-8859-1; ECI 14 names no character set.
    ExpectEncodeError([&] { Encode("pdf417", "ab\xD0\x96", options); }, EncodeErrorKind::InvalidCharacter, 2);
    ExpectEncodeError([&] { Encode("micropdf417", "ab\xD0\x96", options); }, EncodeErrorKind::InvalidCharacter, 2);
    options.eci = 14;
    ExpectEncodeError([&] { Encode("pdf417", "a", options); }, EncodeErrorKind::InvalidOption, -1);
}

}  // namespace
