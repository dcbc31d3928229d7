#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "encode_error_util.h"
#include "symbologies/matrix/qr_layout.h"
#include "symbologies/matrix/qr_mask.h"
#include "symbologies/matrix/qr_tables.h"
#include "symbologies/registry.h"
#include "tests/cpp/zint_rows.h"

namespace {

constexpr int kSide = 77;  // version 15

// The data region with its mask taken off (the mask read from the format information), and every
// function module but the format information: what the codewords decide.
std::vector<std::string> Unmasked(std::vector<std::string> rows) {
    const QrGrid function_template = QrFunctionTemplate(15);
    int mask = -1;
    for (int m = 0; m < 8; ++m) {
        const uint16_t format = QrFormatInfo(QrLevel::M, m);
        bool all = true;
        for (int p = 0; p < 15; ++p) {
            const QrFormatPosition f = QrFormatPositionOf(p, kSide);
            all = all && (rows[size_t(f.row1)][size_t(f.column1)] == '1') == bool((format >> (14 - p)) & 1);
        }
        if (all) mask = m;
    }
    EXPECT_GE(mask, 0);
    for (int r = 0; r < kSide; ++r) {
        rows[size_t(r)].resize(kSide);
        for (int c = 0; c < kSide; ++c) {
            const uint8_t module = function_template.At(r, c);
            char& cell = rows[size_t(r)][size_t(c)];
            if (module == kQrFormatLight) cell = '-';
            else if (module == kQrData && QrMaskCondition(mask, r, c)) cell = cell == '1' ? '0' : '1';
        }
    }
    return rows;
}

// A payment order's text (ISO-8859-2 letters č, š, ž): zint --dump -b 143 gives the same codewords in
// the same modules of a version 15 symbol, ECI 4 and one byte segment. The masks may differ: zint
// weighs the finder-like penalty with its light margins, this library without.
TEST(UpnQr, SameModulesAsZint) {
    const std::string texts[] = {
        "UPNQR\n\n\n\n\nJanez Novak\nDunajska 1\n1000 Ljubljana\n00000008105\n\n\nRENT\nPla\xC4\x8Dilo najemnine\n\n"
        "SI56051008010486080\nSI0012345678\nStanovanjsko podjetje\nDunajska 38\n1000 Ljubljana\n188\n",
        "\xC5\xA0ola \xC5\xBEivljenja, 0123456789",
    };
    for (const std::string& text : texts) {
        const std::vector<std::string> ours = ModuleRows(Encode("upnqr", text, EncodeOptions()));
        ASSERT_EQ(ours.size(), size_t(kSide));
        if (!HaveZint()) continue;
        const auto theirs = ZintRowsOf("-b 143", text);
        ASSERT_TRUE(theirs.has_value() && theirs->size() == size_t(kSide));
        EXPECT_EQ(Unmasked(ours), Unmasked(*theirs)) << text;
    }
}

TEST(UpnQr, RefusedData) {
    // Ж is not in ISO-8859-2; version 15 at M holds 415 data codewords: 411 bytes behind the ECI and the byte segment header.
    ExpectEncodeError([] { Encode("upnqr", "ab\xD0\x96", EncodeOptions()); }, EncodeErrorKind::InvalidCharacter, 2);
    ExpectEncodeError([] { Encode("upnqr", std::string(412, 'a'), EncodeOptions()); }, EncodeErrorKind::TooLong, -1);
    EXPECT_NO_THROW(Encode("upnqr", std::string(411, 'a'), EncodeOptions()));
}

}  // namespace
