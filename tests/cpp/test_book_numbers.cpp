#include <gtest/gtest.h>

#include <string>

#include "core/model/encode_error.h"
#include "core/model/module_bits.h"
#include "symbologies/retail/book_numbers.h"
#include "symbologies/retail/jan13.h"
#include "tests/cpp/zint_dump.h"

namespace {

using Parser = BookNumber (*)(const std::string&);

struct BookCase {
    Parser parse;
    std::string text;
    std::string ean13;
    std::string caption;
};

class BookNumbers : public ::testing::TestWithParam<BookCase> {};

TEST_P(BookNumbers, Ean13AndCaption) {
    const BookNumber number = GetParam().parse(GetParam().text);
    EXPECT_EQ(number.ean13, GetParam().ean13);
    EXPECT_EQ(number.caption, GetParam().caption);
}

// Check digits recomputed by hand; ISBN-10 -> 13 as in the ISBN Users' Manual (0-330-28987-X ->
// 978-0-330-28987-0); ISSN 0317-8471 -> 9770317847001 and M-2306-7118-7 <-> 9790230671187 as in the
// published ISSN and ISMN examples.
INSTANTIATE_TEST_SUITE_P(
    Table, BookNumbers,
    ::testing::Values(BookCase{ParseIsbn, "978-0-306-40615-7", "9780306406157", "ISBN 978-0-306-40615-7"},
                      BookCase{ParseIsbn, "0-306-40615-2", "9780306406157", "ISBN 978-0-306-40615-7"},
                      BookCase{ParseIsbn, "0-330-28987-X", "9780330289870", "ISBN 978-0-330-28987-0"},
                      BookCase{ParseIsbn, "0 330  28987 x", "9780330289870", "ISBN 978-0-330-28987-0"},
                      BookCase{ParseIsbn, "ISBN 0306406152", "9780306406157", "ISBN 9780306406157"},
                      BookCase{ParseIsbn, "isbn: 979-10-90636-07-1", "9791090636071", "ISBN 979-10-90636-07-1"},
                      BookCase{ParseIssn, "0317-8471", "9770317847001", "ISSN 0317-8471"},
                      BookCase{ParseIssn, "ISSN 0317-8471 03", "9770317847032", "ISSN 0317-8471"},
                      BookCase{ParseIssn, "9770317847001", "9770317847001", "ISSN 0317-8471"},
                      BookCase{ParseIssn, "2434-561X", "9772434561006", "ISSN 2434-561X"},
                      BookCase{ParseIsmn, "M-2306-7118-7", "9790230671187", "ISMN 979-0-2306-7118-7"},
                      BookCase{ParseIsmn, "979-0-2306-7118-7", "9790230671187", "ISMN 979-0-2306-7118-7"},
                      BookCase{ParseIsmn, "M230671187", "9790230671187", "ISMN 9790230671187"}));

struct ErrorCase {
    Parser parse;
    std::string text;
    EncodeErrorKind kind;
    long position;
};

class BookNumberErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(BookNumberErrors, KindAndPosition) {
    try {
        GetParam().parse(GetParam().text);
        ADD_FAILURE() << "no error";
    } catch (const EncodeError& e) {
        EXPECT_EQ(e.Kind(), GetParam().kind);
        EXPECT_EQ(e.Position(), GetParam().position);
    }
}

// Worked by hand: positions count characters of the caller's text.
INSTANTIATE_TEST_SUITE_P(
    Table, BookNumberErrors,
    ::testing::Values(ErrorCase{ParseIsbn, "978-0-306-40615-8", EncodeErrorKind::InvalidData, 16},
                      ErrorCase{ParseIsbn, "ISBN 978-0-306-40615-8", EncodeErrorKind::InvalidData, 21},
                      ErrorCase{ParseIsbn, "0-306-40615-3", EncodeErrorKind::InvalidData, 12},
                      ErrorCase{ParseIsbn, "0-306-4O615-2", EncodeErrorKind::InvalidCharacter, 7},
                      ErrorCase{ParseIsbn, "X306406152", EncodeErrorKind::InvalidCharacter, 0},
                      ErrorCase{ParseIsbn, "978030640615", EncodeErrorKind::InvalidData, -1},
                      ErrorCase{ParseIsbn, "1234567890128", EncodeErrorKind::InvalidData, 0},
                      ErrorCase{ParseIsbn, "9790230671187", EncodeErrorKind::InvalidData, 3},
                      ErrorCase{ParseIssn, "0317-8472", EncodeErrorKind::InvalidData, 8},
                      ErrorCase{ParseIssn, "0317-847", EncodeErrorKind::InvalidData, -1},
                      ErrorCase{ParseIsmn, "M-2306-7118-6", EncodeErrorKind::InvalidData, 12},
                      ErrorCase{ParseIsmn, "9780306406157", EncodeErrorKind::InvalidData, 0}));

TEST(Isbn, ModulesEqualZints) {
    // zint -b 69 -d 0306406152 --dump (the same for 9780306406157).
    EXPECT_EQ(ZintDump(ModuleBits(EncodeJan13(ParseIsbn("0-306-40615-2").ean13))),
              "AE C4 A7 7A 9D 7A AE 72 A1 9A 74 4A");
}

}  // namespace
