#include <gtest/gtest.h>

#include <string>

#include "symbologies/symbol_building.h"
#include "symbologies/registry.h"
#include "symbologies/retail/book_numbers.h"
#include "symbologies/retail/book_number_ranges.h"
#include "symbologies/retail/jan13.h"
#include "tests/cpp/encode_error_util.h"
#include "tests/cpp/zint_dump.h"

namespace {

using Kind = EncodeErrorKind;
using Parser = BookNumber (*)(const std::string&);

TEST(BookNumbers, Ean13AndCaption) {
    // Check digits recomputed by hand; ISBN captions hyphenated from the agency range table (979-13
    // has no registrant ranges there, so it prints as typed); ISBN-10 -> 13 as in the ISBN Users' Manual (0-330-28987-X ->
    // 978-0-330-28987-0); ISSN 0317-8471 -> 9770317847001 and M-2306-7118-7 <-> 9790230671187 as in
    // the published ISSN and ISMN examples; BWIPP's ismn prints "ISMN 979-0-2600-0043-8" for
    // 979-0-2600-0043-8 and for M-2600-0043-8, and ISMN captions follow the publisher ranges however typed.
    const struct {
        Parser parse;
        const char* text;
        const char* ean13;
        const char* caption;
    } rows[] = {
        {ParseIsbn, "978-0-306-40615-7", "9780306406157", "ISBN 978-0-306-40615-7"},
        {ParseIsbn, "0-306-40615-2", "9780306406157", "ISBN 978-0-306-40615-7"},
        {ParseIsbn, "0-330-28987-X", "9780330289870", "ISBN 978-0-330-28987-0"},
        {ParseIsbn, "0 330  28987 x", "9780330289870", "ISBN 978-0-330-28987-0"},
        {ParseIsbn, "ISBN 0306406152", "9780306406157", "ISBN 978-0-306-40615-7"},
        {ParseIsbn, "97-80306-406157", "9780306406157", "ISBN 978-0-306-40615-7"},
        {ParseIsbn, "979-13-0000000-5", "9791300000005", "ISBN 979-13-0000000-5"},
        {ParseIsbn, "9791300000005", "9791300000005", "ISBN 9791300000005"},
        {ParseIsbn, "isbn: 979-10-90636-07-1", "9791090636071", "ISBN 979-10-90636-07-1"},
        {ParseIssn, "0317-8471", "9770317847001", "ISSN 0317-8471"},
        {ParseIssn, "ISSN 0317-8471 03", "9770317847032", "ISSN 0317-8471"},
        {ParseIssn, "9770317847001", "9770317847001", "ISSN 0317-8471"},
        {ParseIssn, "2434-561X", "9772434561006", "ISSN 2434-561X"},
        {ParseIsmn, "M-2306-7118-7", "9790230671187", "ISMN 979-0-2306-7118-7"},
        {ParseIsmn, "979-0-2306-7118-7", "9790230671187", "ISMN 979-0-2306-7118-7"},
        {ParseIsmn, "M230671187", "9790230671187", "ISMN 979-0-2306-7118-7"},
        {ParseIsmn, "9790260000438", "9790260000438", "ISMN 979-0-2600-0043-8"},
        // Without the check digit: completed as ean13 completes its thirteenth digit.
        {ParseIsbn, "978-0-306-40615", "9780306406157", "ISBN 978-0-306-40615-7"},
        {ParseIsbn, "030640615", "9780306406157", "ISBN 978-0-306-40615-7"},
        {ParseIsbn, "0-330-28987", "9780330289870", "ISBN 978-0-330-28987-0"},
        {ParseIsbn, "979130000000", "9791300000005", "ISBN 9791300000005"},
        {ParseIssn, "0317-847", "9770317847001", "ISSN 0317-8471"},
        {ParseIssn, "977031784700", "9770317847001", "ISSN 0317-8471"},
        {ParseIsmn, "M-2306-7118", "9790230671187", "ISMN 979-0-2306-7118-7"},
        {ParseIsmn, "979-0-2306-7118", "9790230671187", "ISMN 979-0-2306-7118-7"},
    };
    for (const auto& row : rows) {
        const BookNumber number = row.parse(row.text);
        EXPECT_EQ(number.ean13, row.ean13) << row.text;
        EXPECT_EQ(number.caption, row.caption) << row.text;
    }
}

TEST(BookNumbers, IsbnHyphenatedFromTheAgencyRangeTable) {
    // Agency range table (17 March 2024), read by hand; python-stdnum 1.20 formats the known ones alike.
    const struct {
        const char* ean13;
        const char* hyphenated;
    } rows[] = {
        {"9780306406157", "978-0-306-40615-7"},     // 978-0: 229-368
        {"9781861972712", "978-1-86197-271-2"},     // 978-1: 83850-86719
        {"9783161484100", "978-3-16-148410-0"},     // 978-3: 04-19
        {"9784003261842", "978-4-00-326184-2"},     // 978-4: 00-19
        {"9789525012347", "978-952-5012-34-7"},     // 978-952: 5000-5999
        {"9789528912347", "978-952-89-1234-7"},     // 978-952: 80-94
        {"9791090636071", "979-10-90636-07-1"},     // 979-10: 90000-97599
        {"9798602405453", "979-8-6024-0545-3"},     // 979-8: 3500-8849
        {"9798886451238", "979-8-88645-123-8"},     // 979-8: 88500-89999
        {"9791300000005", ""},                      // 979-13: no ranges
        {"9786110000000", ""},                      // 978-611: no ranges
        {"9789983000016", ""},                      // 978-9983: ranges start at 80
    };
    for (const auto& row : rows) EXPECT_EQ(HyphenateIsbn(row.ean13), row.hyphenated) << row.ean13;
}

TEST(BookNumbers, IsmnHyphenatedFromThePublisherRanges) {
    // ISMN Users' Manual publisher ranges, read by hand at each boundary; BWIPP's ismn takes the
    // same check digits and prints the same caption when typed so.
    const struct {
        const char* ean13;
        const char* hyphenated;
    } rows[] = {
        {"9790099999996", "979-0-099-99999-6"},    // 000-099, last
        {"9790100000000", "979-0-1000-0000-0"},    // 1000-3999, first
        {"9790699999990", "979-0-69999-999-0"},    // 40000-69999, last
        {"9790700000004", "979-0-700000-00-4"},    // 700000-899999, first
        {"9790999999997", "979-0-9999999-9-7"},    // 9000000-9999999, last
    };
    for (const auto& row : rows) EXPECT_EQ(HyphenateIsmn(row.ean13), row.hyphenated) << row.ean13;
}

TEST(BookNumbers, Errors) {
    // Worked by hand: positions count bytes of the text.
    const struct {
        Parser parse;
        const char* text;
        Kind kind;
        long position;
    } rows[] = {
        {ParseIsbn, "978-0-306-40615-8", Kind::InvalidData, 16},
        {ParseIsbn, "ISBN 978-0-306-40615-8", Kind::InvalidData, 21},
        {ParseIsbn, "0-306-40615-3", Kind::InvalidData, 12},
        {ParseIsbn, "0-306-4O615-2", Kind::InvalidCharacter, 7},
        {ParseIsbn, "X306406152", Kind::InvalidCharacter, 0},
        {ParseIsbn, "97803064061", Kind::InvalidData, -1},
        {ParseIsbn, "1234567890128", Kind::InvalidData, 0},
        {ParseIsbn, "9790230671187", Kind::InvalidData, 3},
        {ParseIssn, "0317-8472", Kind::InvalidData, 8},
        {ParseIssn, "0317-84", Kind::InvalidData, -1},
        {ParseIsmn, "M-2306-7118-6", Kind::InvalidData, 12},
        {ParseIsmn, "9780306406157", Kind::InvalidData, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ExpectEncodeError([&] { row.parse(row.text); }, row.kind, row.position);
    }
}

TEST(BookNumbers, IsbnModulesEqualZints) {
    // zint -b 69 -d 0306406152 --dump (the same for 9780306406157).
    EXPECT_EQ(ZintDump(ModulesOfWidths(EncodeJan13(ParseIsbn("0-306-40615-2").ean13))),
              "AE C4 A7 7A 9D 7A AE 72 A1 9A 74 4A");
}

TEST(BookNumbers, RegistryRowsCarryCaptionAndAddOn) {
    // Worked by hand: the caption above the EAN-13, the add-on after it ("<main> <add-on>", as
    // zxing-cpp reads it).
    EncodeOptions issue;
    issue.addon = "03";
    const struct {
        const char* name;
        const char* text;
        EncodeOptions options;
        const char* full_text;
        const char* caption;
    } rows[] = {
        {"isbn", "978-0-306-40615-7+51995", {}, "9780306406157 51995", "ISBN 978-0-306-40615-7"},
        {"issn", "0317-8471", issue, "9770317847001 03", "ISSN 0317-8471"},
        {"ismn", "M-2306-7118-7", {}, "9790230671187", "ISMN 979-0-2306-7118-7"},
        {"ean13", "4901234567894+12", {}, "4901234567894 12", ""},
        {"upce", "0123456", issue, "01234565 03", ""},
    };
    for (const auto& row : rows) {
        const EncodedSymbol symbol = Encode(row.name, row.text, row.options);
        EXPECT_EQ(symbol.full_text, row.full_text) << row.text;
        std::string caption;
        for (const TextSpan& span : symbol.text)
            if (span.role == TextRole::Caption) caption = span.text;
        EXPECT_EQ(caption, row.caption) << row.text;
    }
    ExpectEncodeError([] { Encode("isbn", "ISBN 978-0-306-40615-7+5199x", {}); }, Kind::InvalidCharacter, 27);
}

}  // namespace
