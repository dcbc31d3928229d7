#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gs1/ai_table.h"
#include "gs1/check_digit.h"
#include "gs1/element_string.h"
#include "gs1/validation.h"

namespace {

// The AI table's edge rows, as the GS1 General Specifications give them (worked by hand from the table).
struct AiCase {
    std::string ai;
    bool known;
    int min_length, max_length;
    bool fnc1_required;
    GS1Linter first_linter;
};

const AiCase kAiCases[] = {
    {"00", true, 18, 18, false, GS1Linter::kCheckDigit},   // first row
    {"01", true, 14, 14, false, GS1Linter::kCheckDigit},
    {"17", true, 6, 6, false, GS1Linter::kDateDayZero},    // day 00 allowed
    {"10", true, 1, 20, true, GS1Linter::kNone},
    {"253", true, 13, 30, true, GS1Linter::kCheckDigit},   // optional serial after the check digit
    {"3105", true, 6, 6, false, GS1Linter::kNone},         // last of a run
    {"3106", false, 0, 0, false, GS1Linter::kNone},        // past it
    {"3932", true, 4, 18, true, GS1Linter::kNone},         // currency and price
    {"4300", true, 1, 35, true, GS1Linter::kNone},
    {"4326", true, 6, 6, true, GS1Linter::kDate},          // fixed length, yet FNC1 follows
    {"7003", true, 10, 10, true, GS1Linter::kDate},
    {"710", true, 1, 20, true, GS1Linter::kNone},
    {"7250", true, 8, 8, true, GS1Linter::kLongDate},
    {"8008", true, 8, 12, true, GS1Linter::kDate},
    {"8030", true, 1, 90, true, GS1Linter::kNone},
    {"91", true, 1, 90, true, GS1Linter::kNone},
    {"99", true, 1, 90, true, GS1Linter::kNone},           // last row
    {"04", false, 0, 0, false, GS1Linter::kNone},
    {"1", false, 0, 0, false, GS1Linter::kNone},
    {"01234", false, 0, 0, false, GS1Linter::kNone},
};

TEST(GS1AiTable, EdgeRows) {
    for (const AiCase& c : kAiCases) {
        const auto f = FindGS1Ai(c.ai);
        ASSERT_EQ(f.has_value(), c.known) << c.ai;
        if (!f) continue;
        EXPECT_EQ(f->MinLength(), c.min_length) << c.ai;
        EXPECT_EQ(f->MaxLength(), c.max_length) << c.ai;
        EXPECT_EQ(f->fnc1_required, c.fnc1_required) << c.ai;
        EXPECT_EQ(f->components.front().linter, c.first_linter) << c.ai;
    }
}

TEST(GS1AiTable, LengthByTheFirstTwoDigits) {
    const std::vector<std::pair<std::string, size_t>> cases = {
        {"01", 2}, {"235", 3}, {"3103", 4}, {"37", 2}, {"4300", 4}, {"410", 3}, {"710", 3},
        {"7003", 4}, {"8200", 4}, {"04", 2}, {"9", 0}, {"A1", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(GS1AiLengthAt(c.first, 0), c.second) << c.first;
}

TEST(GS1CheckDigit, WeightsThreeOneFromTheRight) {
    EXPECT_EQ(GS1CheckDigit("0950110153000"), '3');   // GTIN-13 body: 9501101530003
    EXPECT_EQ(GS1CheckDigit("0123456789012"), '8');   // GTIN bodies of 13 digits: weight 3 first
    EXPECT_EQ(GS1CheckDigit("0000000000000"), '0');
    EXPECT_EQ(GS1CheckDigit("9001234567890"), '8');
    EXPECT_EQ(GS1CheckDigit("1234567890123"), '1');
    EXPECT_EQ(GS1CheckDigit("1234567"), '0');         // EAN-8 body
    EXPECT_EQ(GS1CheckDigit(""), '0');
}

// Element strings in every form, read and written back (worked by hand).
struct FormCase {
    std::string text;
    std::string bracketed, gs1_128, databar_expanded;
};

const FormCase kFormCases[] = {
    {"(01)09501101530003(17)251231(10)ABC123(21)X", "(01)09501101530003(17)251231(10)ABC123(21)X",
     "{FNC1}0109501101530003{AI}17251231{AI}10ABC123{FNC1}21X", "0109501101530003{AI}17251231{AI}10ABC123[{AI}21X"},
    {"{FNC1}0109501101530003{AI}17251231{AI}10ABC123{FNC1}21X", "(01)09501101530003(17)251231(10)ABC123(21)X",
     "{FNC1}0109501101530003{AI}17251231{AI}10ABC123{FNC1}21X", "0109501101530003{AI}17251231{AI}10ABC123[{AI}21X"},
    // Fields of predefined length end by themselves; an escaped '(' is data.
    {"010950110153000317251231", "(01)09501101530003(17)251231", "{FNC1}0109501101530003{AI}17251231",
     "0109501101530003{AI}17251231"},
    {"(10)A\\(B(4300)X", "(10)A\\(B(4300)X", "{FNC1}10A(B{FNC1}4300X", "10A(B[{AI}4300X"},
    // Square brackets: '(' and ')' are data, an escaped '[' too.
    {"[10]A\\[B(C)[4300]X", "(10)A[B\\(C)(4300)X", "{FNC1}10A[B(C){FNC1}4300X", "10A[B(C)[{AI}4300X"},
};

TEST(GS1ElementString, Forms) {
    for (const FormCase& c : kFormCases) {
        const std::vector<GS1Element> e = ParseGS1(c.text);
        EXPECT_EQ(FormatGS1(e, GS1Form::kBracketed), c.bracketed) << c.text;
        EXPECT_EQ(FormatGS1(e, GS1Form::kGS1_128), c.gs1_128) << c.text;
        EXPECT_EQ(FormatGS1(e, GS1Form::kDataBarExpanded), c.databar_expanded) << c.text;
    }
    EXPECT_EQ(GS1HumanReadable(ParseGS1("(01)09501101530003(3103)000123(710)X")),
              "(01)09501101530003(3103)000123(710)X");
    EXPECT_EQ(GS1Data(ParseGS1("(10)A(21)B(17)251231"), '\x1d'), "10A\x1d" "21B\x1d" "17251231");
}

// The marker form's text as the GS1-128 class prints it (worked by hand).
TEST(GS1MarkedText, ApplicationIdentifiersInParentheses) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{FNC1}01123456", "(01)123456"},
        {"{FNC1}10ABC", "(10)ABC"},
        {"{FNC1}011234{AI}10ABC{FNC1}21XYZ", "(01)1234(10)ABC(21)XYZ"},
        {"{FNC1}4300ABC", "(4300)ABC"},  // every AI at its full length, from the AI table
        {"{FNC1}710ABC", "(710)ABC"},
        {"{FNC1}0109501101530003{AI}7030250ABC", "(01)09501101530003(7030)250ABC"},
        {"{FNC1}3103001234", "(3103)001234"},
        {"{FNC1}3712", "(37)12"},
        {"{FNC1}2501", "(250)1"},
        {"{FNC1}410123", "(410)123"},
        {"{FNC1}7003X", "(7003)X"},
        {"{FNC1}8020X", "(8020)X"},
        {"{FNC1}9", "(9)"},
        {"{FNC1}{AI}01", "(01)"},
        {"{FNC1}", ""},
        {"AB{C}12", "AB{C}12"},
        {"ABC", "ABC"},
        {"{FNC1}41{AI}3103", "(41{)AI}3103"},  // the bytes as written, a marker's too
    };
    for (const auto& c : cases) EXPECT_EQ(GS1MarkedHumanText(c.first), c.second) << c.first;
}

std::string ErrorOf(void (*check)(const std::string&), const std::string& text) {
    try {
        check(text);
    } catch (const GS1Error& e) {
        return e.what();
    }
    return "(no error)";
}

void Parse(const std::string& text) { ParseGS1(text); }
void Validate(const std::string& text) { ValidateGS1(ParseGS1(text)); }

struct ErrorCase {
    std::string text;
    std::string message;
};

const ErrorCase kErrorCases[] = {
    // Syntax.
    {"", "empty element string at position 0"},
    {"01", "no data for AI (01) at position 2"},
    {"(01", "unclosed '(' at position 0"},
    {"(1)2", "an AI has 2 to 4 digits, not \"1\", at position 1"},
    {"(0A)2", "non-digit character in AI \"0A\" at position 2"},
    {"(10)(21)B", "no data for AI (10) at position 4"},
    {"{FNC1}A1", "expected an AI at position 6"},
    // Validation.
    {"(01)09501101530003", "(no error)"},
    {"(89)1", "unknown AI (89) at position 1"},
    {"(01)0950110153000", "AI (01) at position 4: data has 13 characters, 14 required"},
    {"(10)" + std::string(21, 'A'), "AI (10) at position 4: data has 21 characters, 1 to 20 required"},
    {"(01)0950110153000A", "AI (01) at position 17: non-digit character 'A' in numeric field"},
    {"(01)09501101530004", "AI (01) at position 17: bad check digit 4, expected 3"},
    {"(17)251331", "AI (17) at position 6: invalid month 13"},
    {"(17)250132", "AI (17) at position 8: invalid day 32 in month 1"},
    {"(17)250100", "(no error)"},                                            // day 00: no particular day
    {"(7006)250100", "AI (7006) at position 10: invalid day 00 in month 1"},  // yymmdd: a real day
    {"(17)250229", "AI (17) at position 8: invalid day 29 in month 2"},
    {"(17)240229", "(no error)"},
    {"(7003)2501012460", "AI (7003) at position 12: invalid hour 24"},
    {"(10)AB#", "AI (10) at position 6: character '#' is not in GS1 character set 82"},
    {"(8010)ab", "AI (8010) at position 6: character 'a' is not in GS1 character set 39"},
    {"(253)9501101530003XYZ", "(no error)"},                                 // optional serial
    {"(01)09501101530003(10)X(99)~", "AI (99) at position 27: character '~' is not in GS1 character set 82"},
};

TEST(GS1Validation, NamesWhatAndWhere) {
    for (const ErrorCase& c : kErrorCases) EXPECT_EQ(ErrorOf(&Validate, c.text), c.message) << c.text;
    EXPECT_EQ(ErrorOf(&Parse, "(89)1"), "(no error)");  // reading checks syntax only
}

}  // namespace
