// GS1 input as the encode step reads it for every GS1 symbology: each written form of one element
// string gives the same symbol, and faults are named where the user typed them.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/model/encode_error.h"
#include "symbologies/registry.h"
#include "tests/cpp/zint_rows.h"

namespace {

struct Forms {
    std::vector<const char*> names;
    std::vector<std::string> texts;  // one element string in each form
    const char* composite = "";      // the component, in the same form as each text when given
};

// Worked by hand: each row's texts are one element string; a '(' in data is "\(" in the
// parenthesised form and itself in the bracketed and marker forms.
const Forms kForms[] = {
    {{"gs1-128", "databar-expanded", "databar-expanded-stacked", "gs1-qr", "gs1-datamatrix"},
     {"(01)09501101530003(17)251231(10)A\\(B)", "[01]09501101530003[17]251231[10]A(B)",
      "{FNC1}0109501101530003{AI}17251231{AI}10A(B)", "0109501101530003{AI}17251231{AI}10A(B)"}},
    {{"databar", "databar-stacked", "databar-stacked-omni", "databar-limited"},
     {"(01)09501101530003", "[01]09501101530003", "{FNC1}0109501101530003", "09501101530003"}},
    {{"gs1-128-convenience"},
     {"(91)912345" + std::string(35, '0'), "[91]912345" + std::string(35, '0'), "{FNC1}91912345" + std::string(35, '0'),
      "91912345" + std::string(35, '0')}},
};

// Composites: the primary and the component each in every form.
const std::vector<std::string> kPrimaries = {"(01)09501101530003(10)A\\(B", "[01]09501101530003[10]A(B",
                                             "{FNC1}0109501101530003{AI}10A(B"};
const std::vector<std::string> kComponents = {"(21)X\\(1(17)251231", "[21]X(1[17]251231", "{FNC1}21X(1{FNC1}17251231"};

struct Drawn {
    std::vector<std::string> rows;
    std::string full_text;
    bool operator==(const Drawn& o) const { return rows == o.rows && full_text == o.full_text; }
};

Drawn DrawnOf(const std::string& name, const std::string& text, const std::string& composite) {
    EncodeOptions options;
    options.composite = composite;
    const EncodedSymbol s = Encode(name, text, options);
    return {ModuleRows(s), s.full_text};
}

TEST(GS1Input, EveryFormOnEveryName) {
    for (const Forms& f : kForms)
        for (const char* name : f.names)
            for (const std::string& text : f.texts)
                EXPECT_EQ(DrawnOf(name, text, ""), DrawnOf(name, f.texts[0], "")) << name << " " << text;
    for (const char* name : {"gs1-128", "databar-expanded", "databar-expanded-stacked"})
        for (size_t i = 0; i < kComponents.size(); ++i)
            EXPECT_EQ(DrawnOf(name, kPrimaries[i], kComponents[i]), DrawnOf(name, kPrimaries[0], kComponents[0]))
                << name << " " << kComponents[i];
    for (const auto& [name, primary] : {std::pair{"databar", "0950110153000"}, {"ean13", "095011015300"}})
        for (const std::string& component : kComponents)
            EXPECT_EQ(DrawnOf(name, primary, component), DrawnOf(name, primary, kComponents[0]))
                << name << " " << component;
    EXPECT_NO_THROW(DrawnOf("gs1-qr", "[10]A[21]B[10]A", ""));  // a repeated AI with its value again
}

struct Fault {
    const char* name;
    std::string text;
    std::string composite;
    EncodeErrorKind kind;
    long position;  // in characters of the text; -1 for faults of the component
    std::string message;
};

// Worked by hand; "é" is one character of two bytes.
const Fault kFaults[] = {
    {"gs1-128", "(01)09501101530003(10)A(10)B", "", EncodeErrorKind::InvalidData, 24,
     "gs1-128: AI (10) at position 24: repeated with a different value (an AI given twice must carry the same value)"},
    {"gs1-datamatrix", "(10)AB(C)", "", EncodeErrorKind::InvalidData, 7,
     "gs1-datamatrix: an AI has 2 to 4 digits, not \"C\", at position 7"},  // '(' in data is "\("
    {"databar-expanded", "[10]\xC3\xA9[1A]B", "", EncodeErrorKind::InvalidCharacter, 7,
     "databar-expanded: non-digit character in AI \"1A\" at position 7"},
    {"databar", "[01]0950110[10]A", "", EncodeErrorKind::InvalidData, 12,
     "databar: the data is a GTIN: one AI (01) and its digits"},
    // The 44th digit of the payment code is its check digit (8 for these 43), the 42nd of AI (91)'s data.
    {"gs1-128-convenience", "(91)912345" + std::string(35, '0') + "9", "", EncodeErrorKind::InvalidData, 45,
     "gs1-128-convenience: Check digit mismatch"},
    {"gs1-128", "[01]09501101530003[10]A", "[10]B", EncodeErrorKind::InvalidData, -1,
     "gs1-128: composite: AI (10) at position 1: repeated with a different value (an AI given twice must carry "
     "the same value)"},
    {"databar", "09501101530003", "[\xC3\xA9" "1]A", EncodeErrorKind::InvalidData, -1,
     "databar: composite: non-digit character in AI \"\xC3\xA9" "1\" at position 1"},
};

TEST(GS1Input, FaultsNamedWhereTyped) {
    for (const Fault& f : kFaults) {
        SCOPED_TRACE(std::string(f.name) + " " + f.text + " " + f.composite);
        EncodeOptions options;
        options.composite = f.composite;
        try {
            Encode(f.name, f.text, options);
            ADD_FAILURE() << "accepted";
        } catch (const EncodeError& e) {
            EXPECT_EQ(e.Kind(), f.kind) << e.what();
            EXPECT_EQ(e.Position(), f.position) << e.what();
            EXPECT_EQ(e.what(), f.message);
        }
    }
}

}  // namespace
