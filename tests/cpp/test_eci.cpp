#include <gtest/gtest.h>

#include <string>

#include "core/text_encoding/eci.h"
#include "encode_error_util.h"

namespace {

TEST(Eci, DefaultChoice) {
    // What zint chooses by default for QR (zint --dump shows the same ECI header and bytes).
    const struct {
        std::string text;
        int eci;
        std::string bytes;
    } cases[] = {
        {"ABC", kNoEci, "ABC"},
        {"Stra\xC3\x9F" "e 5", kNoEci, "Stra\xDF" "e 5"},
        {"\xE2\x82\xAC 12,50", kEciUtf8, "\xE2\x82\xAC 12,50"},            // the euro sign is not in ISO-8859-1
        {"\xD0\x96", kEciUtf8, "\xD0\x96"},                                  // Cyrillic
        {"\xFF\xFE", kNoEci, "\xFF\xFE"},                                    // not UTF-8: bytes as given
    };
    for (const auto& c : cases) {
        const EciText chosen = ChooseEciText(c.text, kNoEci);
        EXPECT_EQ(chosen.eci, c.eci) << c.text;
        EXPECT_EQ(chosen.bytes, c.bytes) << c.text;
    }
}

TEST(Eci, CharacterSets) {
    // The code charts of each set (ISO/IEC 8859 parts, Windows code pages, CP932, Big5, GB 2312, KS X 1001).
    const struct {
        int eci;
        std::string text;
        std::string bytes;
    } cases[] = {
        {3, "\xC3\xA9", "\xE9"},
        {4, "\xC5\x99", "\xF8"},              // ř in ISO-8859-2
        {7, "\xD0\x96", "\xB6"},              // Ж in ISO-8859-5
        {9, "\xCE\xA9", "\xD9"},              // Ω in ISO-8859-7
        {17, "\xE2\x82\xAC", "\xA4"},         // € in ISO-8859-15
        {20, "\xE6\xBC\xA2", "\x8A\xBF"},     // 漢 in Shift JIS
        {22, "\xD0\x96", "\xC6"},             // Ж in Windows-1251
        {23, "\xE2\x82\xAC", "\x80"},         // € in Windows-1252
        {26, "\xC3\xA9", "\xC3\xA9"},
        {28, "\xE4\xB8\xAD", "\xA4\xA4"},     // 中 in Big5
        {29, "\xE4\xB8\xAD", "\xD6\xD0"},     // 中 in GB 2312
        {30, "\xED\x95\x9C", "\xC7\xD1"},     // 한 in KS X 1001
        {899, "\xC3\xA9", "\xC3\xA9"},        // binary: the bytes as given
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeForEci(c.text, c.eci), c.bytes) << c.eci;
        EXPECT_TRUE(FitsEci(c.text, c.eci)) << c.eci;
        EXPECT_EQ(ChooseEciText(c.text, c.eci).eci, c.eci);
    }
}

TEST(Eci, RefusedCharactersAndSets) {
    // Ж is not in ISO-8859-1 nor ISO-8859-2 (positions are byte offsets); '@' varies between ISO/IEC 646 versions.
    ExpectEncodeError([] { EncodeForEci("ab\xD0\x96", 3); }, EncodeErrorKind::InvalidCharacter, 2);
    ExpectEncodeError([] { EncodeForEci("\xC3\xA9\xC3\xA9\xD0\x96", 4); }, EncodeErrorKind::InvalidCharacter, 4);
    ExpectEncodeError([] { EncodeForEci("a@", 170); }, EncodeErrorKind::InvalidCharacter, 1);
    ExpectEncodeError([] { EncodeForEci("a", 14); }, EncodeErrorKind::InvalidOption, -1);
    ExpectEncodeError([] { ChooseEciText("a", 1000); }, EncodeErrorKind::InvalidOption, -1);
    EXPECT_FALSE(FitsEci("\xD0\x96", kNoEci));
    try {
        EncodeForEci("ab\xD0\x96", 3);
    } catch (const EncodeError& e) {
        EXPECT_STREQ(e.what(), "character 3 ('\xD0\x96') has no form in ECI 3 (ISO-8859-1)");
    }
}

}  // namespace
