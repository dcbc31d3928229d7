#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "gs1/check_digit.h"
#include "symbologies/composite/composite_symbol.h"
#include "symbologies/registry.h"
#include "tests/cpp/zint_rows.h"

namespace {

// Rows as '0'/'1' strings without their trailing light modules (zint's dump pads rows to whole
// hex digits, and some carriers end in light modules zint counts and this library leaves to the
// quiet zone).
std::string Trimmed(std::string bits) {
    bits.erase(bits.find_last_not_of('0') + 1);
    return bits;
}

// zint's rows without their trailing light modules; nullopt when zint did not run to its end.
std::optional<std::vector<std::string>> ZintRows(const std::string& options, const std::string& data) {
    std::optional<std::vector<std::string>> rows = ZintRowsOf(options, data);
    if (rows) {
        for (std::string& row : *rows) row = Trimmed(row);
    }
    return rows;
}

std::vector<std::string> OurRows(const EncodedSymbol& symbol) {
    std::vector<std::string> rows = ModuleRows(symbol);
    for (std::string& row : rows) row = Trimmed(row);
    return rows;
}


// One carrier: its name here, zint's symbology number, and the digits of its primary data.
struct Carrier {
    const char* name;
    int zint;
    int digits;  // random digits of the primary; 0: an element string with a GTIN
    const char* first;  // the leading digits, fixed
};

constexpr Carrier kCarriers[] = {
    {"ean13", 130, 12, ""},          {"ean8", 130, 7, ""},
    {"upca", 135, 11, ""},           {"upce", 136, 7, "0"},
    {"databar", 132, 13, ""},        {"databar-stacked", 137, 13, ""},
    {"databar-stacked-omni", 138, 13, ""}, {"databar-limited", 133, 13, "1"},
    {"databar-expanded", 134, 0, ""}, {"databar-expanded-stacked", 139, 0, ""},
    {"gs1-128", 131, 0, ""},
};

// Runs of digits and of other characters GS1 allows, `n` in all.
std::string RandomText(std::mt19937& rng, size_t n) {
    static const std::string kChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-./%";
    std::string s;
    while (s.size() < n) s += rng() % 2 == 0 ? char('0' + rng() % 10) : kChars[rng() % kChars.size()];
    return s;
}

std::string RandomPrimary(std::mt19937& rng, const Carrier& c) {
    auto digits = [&rng](std::string s, size_t n) {
        while (s.size() < n) s += char('0' + rng() % 10);
        return s;
    };
    if (std::string(c.name) == "upce") {
        // Only the zero suppressions zint takes: each last digit needs a digit before it non-zero.
        for (;;) {
            const std::string d = digits(c.first, size_t(c.digits));
            if ((d[6] != '3' || d[3] >= '3') && (d[6] != '4' || d[4] != '0') && (d[6] < '5' || d[5] != '0')) return d;
        }
    }
    if (c.digits > 0) return digits(c.first, size_t(c.digits));
    const std::string gtin = digits("", 13);
    const std::string first = "[01]" + gtin + GS1CheckDigit(gtin);
    switch (rng() % 3) {
        case 0: return first;
        case 1: return first + "[3103]" + digits("", 6);
        // Digits only: with letters, zint picks other Code 128 code sets and DataBar Expanded
        // encodations than the carriers here do (both readable), which is no matter of the composite.
        // At most 8: a DataBar Expanded row of more than four finders has a separator zint leaves
        // unbroken over the fifth (see SeparatorBreaksOverEveryFinder).
        default: return first + "[22]" + digits("", 1 + rng() % 8);  // no AI of the components
    }
}

// A date with a lot number, an AI 90 text, or a serial number with general text after it, of
// random lengths: data that leads into each encodation method and, when long, needs a CC-B.
std::string RandomComposite(std::mt19937& rng) {
    auto text = [&rng](size_t n) { return RandomText(rng, n); };
    switch (rng() % 4) {
        case 0: {
            const std::string date = "2" + std::to_string(rng() % 10) + "0" + std::to_string(1 + rng() % 9) + "15";
            return "[17]" + date + "[10]" + text(1 + rng() % 20);
        }
        case 1: return "[90]" + std::to_string(rng() % 1000) + text(1 + rng() % 20);
        case 2: return "[21]" + text(1 + rng() % 20) + "[240]" + text(1 + rng() % 30);
        default: {
            // Up to 270 characters: beyond a CC-B, a CC-C of several error correction levels.
            std::string s = "[400]" + text(1 + rng() % 30);
            // Each AI once: a repeated AI must repeat its value.
            for (int n = int(rng() % 9); n > 0; --n) s += "[9" + std::to_string(n) + "]" + text(1 + rng() % 30);
            return s;
        }
    }
}

// zint draws the same modules for each carrier and component type (--mode 1 is CC-A, 2 CC-B, 3 CC-C;
// zint moves data too long for a CC-A up to a CC-B, as the automatic choice does here).
TEST(CompositeSymbol, EqualsZintForEveryCarrierAndType) {
    if (!HaveZint()) GTEST_SKIP() << "zint not installed";
    std::mt19937 rng(24723);
    int drawn = 0;
    for (const Carrier& c : kCarriers) {
        for (int n = 0; n < 12; ++n) {
            const std::string primary = RandomPrimary(rng, c);
            const std::string composite = n == 0 ? "[17]261231[10]LOT123" : RandomComposite(rng);
            for (const char* type : {"a", "b", "c"}) {
                if (type[0] == 'c' && c.zint != 131) continue;
                SCOPED_TRACE(std::string(c.name) + " " + primary + " " + composite + " " + type);
                std::vector<std::string> ours;
                try {
                    try {
                        ours = OurRows(EncodeComposite(c.name, primary, composite, type, EncodeOptions{}));
                    } catch (const EncodeError& e) {
                        if (e.Kind() != EncodeErrorKind::TooLong || type[0] != 'a') throw;
                        ours = OurRows(EncodeComposite(c.name, primary, composite, "auto", EncodeOptions{}));
                    }
                } catch (const EncodeError&) {
                    // zint refuses the same data: it prints no rows
                }
                const std::string options = "-b " + std::to_string(c.zint) + " --primary='" + primary +
                                            "' --mode=" + std::to_string(type[0] - 'a' + 1);
                const std::optional<std::vector<std::string>> zint = ZintRows(options, composite);
                if (!zint) continue;
                EXPECT_EQ(ours, *zint);
                drawn += ours.empty() ? 0 : 1;
            }
        }
    }
    EXPECT_GT(drawn, 200);  // most data fits: the comparison is not of refusals
}

// Named cases, each against zint's modules.
struct Example {
    const char* carrier;
    const char* primary;
    const char* composite;
    const char* zint_options;
};

const Example kExamples[] = {
    // Japanese pharmaceuticals: expiry date and lot number in a CC-A over DataBar Limited.
    {"databar-limited", "(01)04912345678904", "(17)270331(10)A12345", "-b 133 --primary=0491234567890"},
    // The data of the DataBar Limited composite figure in the GS1 General Specifications.
    {"databar-limited", "(01)13112345678906", "(17)010615(10)A123456", "-b 133 --primary=1311234567890"},
    // The data of the DataBar Stacked Omnidirectional composite figure there.
    {"databar-stacked-omni", "(01)04012345678901", "(17)050101(10)ABC123", "-b 138 --primary=0401234567890"},
    // A DataBar Expanded Stacked whose first row holds two characters.
    {"databar-expanded-stacked", "(20)12", "(21)1234", "-b 139 --primary=[20]12"},
    // EAN/UPC with an add-on beside the linear part, in the data or as the setting.
    {"ean13", "331234567890+12", "(99)1234-abcd", "-b 130 --primary=331234567890+12"},
    {"upca", "01234567890+12345", "(10)A", "-b 135 --primary=01234567890+12345"},
};

// Our rows without the band over the add-on's digits (the main bars alone, which zint does not
// list as a row of its own).
std::vector<std::string> WithoutAddOnBand(std::vector<std::string> rows) {
    for (size_t i = 0; i + 1 < rows.size(); ++i)
        if (rows[i + 1].size() > rows[i].size() && rows[i + 1].compare(0, rows[i].size(), rows[i]) == 0)
            rows.erase(rows.begin() + long(i));
    return rows;
}

TEST(CompositeSymbol, ExamplesEqualZint) {
    if (!HaveZint()) GTEST_SKIP() << "zint not installed";
    for (const Example& e : kExamples) {
        SCOPED_TRACE(std::string(e.carrier) + " " + e.primary + " " + e.composite);
        std::string bracketed = e.composite;
        std::replace(bracketed.begin(), bracketed.end(), '(', '[');
        std::replace(bracketed.begin(), bracketed.end(), ')', ']');
        EXPECT_EQ(WithoutAddOnBand(OurRows(EncodeComposite(e.carrier, e.primary, e.composite, "auto", {}))),
                  ZintRows(e.zint_options, bracketed).value_or(std::vector<std::string>{}));
    }
}

// The linear part's text, a bar, the component's, as readers join the two parts' data.
TEST(CompositeSymbol, FullTextJoinsBothParts) {
    EXPECT_EQ(EncodeComposite("databar-limited", "0491234567890", "[17]270331[10]A12345", "auto", {}).full_text,
              "(01)04912345678904|(17)270331(10)A12345");
    EXPECT_EQ(EncodeComposite("ean8", "1234567", "(99)A", "auto", {}).full_text, "12345670|(99)A");
}

// The separator under the component is broken into alternating modules over every finder of the
// row below, the fifth too (zint breaks it over the first four only).
TEST(CompositeSymbol, SeparatorBreaksOverEveryFinder) {
    const EncodedSymbol s =
        EncodeComposite("databar-expanded", "(01)19218589432411(10)653601305336894", "(21)A", "a", {});
    const size_t separator = s.rows.size() - 2;
    const std::vector<uint8_t>& sep = s.rows[separator].modules;
    const std::vector<uint8_t>& bars = s.rows[separator + 1].modules;
    int x = 0;  // where the linear row starts: its left guard's space
    while (bars[size_t(x) + 1] == 0) ++x;
    for (int finder = 0; finder < 5; ++finder) {
        SCOPED_TRACE(finder);
        const size_t start = size_t(x + 19 + 49 * finder);
        for (size_t i = start; i < start + 15; ++i) {
            EXPECT_FALSE(sep[i] && sep[i + 1]) << i;
            EXPECT_FALSE(sep[i] && bars[i]) << i;
        }
    }
}

// An EAN/UPC carrier prints as its plain symbol does, `shift` modules in from the composite's left
// edge: guards, digit groups, outside digits and face (zint prints its digits at the same places:
// PNGs compared at 4 pixels a module). Quiet zones: the plain symbol's less the modules left of or
// right of its bars, and at least the component's 1 (worked by hand).
struct RetailLayout {
    const char* carrier;
    const char* primary;
    const char* type;
    int shift;
    double quiet_left, quiet_right;
};

const RetailLayout kRetailLayouts[] = {
    {"ean13", "331234567890", "a", 3, 8, 6},
    {"upca", "12345678901", "a", 3, 6, 8},
    {"upce", "0123456", "b", 3, 6, 6},
    {"ean8", "1234567", "b", 14, 1, 6},  // the CC-B overhangs the bars on the left
};

TEST(CompositeSymbol, RetailCarrierPrintsAsItsPlainSymbol) {
    for (const RetailLayout& r : kRetailLayouts) {
        SCOPED_TRACE(r.carrier);
        const EncodedSymbol plain = Encode(r.carrier, r.primary, {});
        const EncodedSymbol s = EncodeComposite(r.carrier, r.primary, "[17]261231[10]LOT123", r.type, {});
        const SymbolRow& bars = s.rows.back();
        const auto shifted = [&](const std::vector<uint8_t>& v) {
            return std::vector<uint8_t>(v.begin() + r.shift, v.begin() + r.shift + plain.width);
        };
        EXPECT_EQ(shifted(bars.modules), plain.rows[0].modules);
        ASSERT_EQ(bars.extends.size(), bars.modules.size());
        EXPECT_EQ(shifted(bars.extends), plain.rows[0].extends);
        EXPECT_EQ(s.guard_descent, plain.guard_descent);
        EXPECT_EQ(s.face, TextFace::OcrB);
        EXPECT_EQ(s.bar_height, plain.bar_height);
        ASSERT_EQ(s.text.size(), plain.text.size());
        for (size_t i = 0; i < s.text.size(); ++i) {
            EXPECT_EQ(s.text[i].text, plain.text[i].text);
            EXPECT_EQ(s.text[i].role, plain.text[i].role);
            EXPECT_EQ(s.text[i].spread_width, plain.text[i].spread_width);
            EXPECT_EQ(s.text[i].center_x, plain.text[i].center_x + r.shift);
            EXPECT_EQ(s.text[i].below_row, int(s.rows.size()) - 1);
        }
        EXPECT_EQ(s.quiet_zone.left, r.quiet_left);
        EXPECT_EQ(s.quiet_zone.right, r.quiet_right);
    }
}

struct Refusal {
    const char* carrier;
    const char* primary;
    const char* composite;
    const char* type;
    EncodeErrorKind kind;
};

const Refusal kRefusals[] = {
    {"code39", "123", "[10]A", "auto", EncodeErrorKind::InvalidOption},             // no composite carrier
    {"ean13", "331234567890", "[10]A", "d", EncodeErrorKind::InvalidOption},        // no such type
    {"ean13", "331234567890", "[10]A", "c", EncodeErrorKind::InvalidOption},        // CC-C only over GS1-128
    {"ean13", "3312345678904", "[10]A", "auto", EncodeErrorKind::InvalidData},      // wrong check digit
    {"databar", "(01)01234567890127", "[10]A", "a", EncodeErrorKind::InvalidData},  // wrong check digit
    {"databar-limited", "2123456789012", "[10]A", "a", EncodeErrorKind::InvalidData},  // leading digit over 1
    {"ean13", "331234567890", "[10]A\x01", "auto", EncodeErrorKind::InvalidData},  // a control character
    {"ean13", "331234567890", "[17]261331", "auto", EncodeErrorKind::InvalidData},  // no 13th month
    {"ean13", "331234567890", "(1", "auto", EncodeErrorKind::InvalidData},          // not an element string
    // Worked by hand: one row pair under the component is too narrow; (10) given twice, two values;
    // a component's (01) other than the GTIN the carrier stands for.
    {"databar-expanded-stacked", "[01]12345678901231", "[10]A", "auto", EncodeErrorKind::InvalidOption},
    {"gs1-128", "(01)12345678901231(10)A", "[10]B", "auto", EncodeErrorKind::InvalidData},
    {"databar", "[01]12345678901231", "(01)12345678901248", "auto", EncodeErrorKind::InvalidData},
    {"upce", "0123456", "(01)09501101530003", "auto", EncodeErrorKind::InvalidData},  // (01) is 00012345000065
};

TEST(CompositeSymbol, RefusesWithTheKindOfFault) {
    for (const Refusal& r : kRefusals) {
        SCOPED_TRACE(std::string(r.carrier) + " " + r.composite + " " + r.type);
        try {
            EncodeOptions one_column;
            one_column.columns = 1;  // read by DataBar Expanded Stacked alone
            EncodeComposite(r.carrier, r.primary, r.composite, r.type, one_column);
            ADD_FAILURE() << "accepted";
        } catch (const EncodeError& e) {
            EXPECT_EQ(e.Kind(), r.kind) << e.what();
        }
    }
}

// A named type is kept: data beyond every CC-A of the carrier's width is refused, not moved up.
TEST(CompositeSymbol, NamedTypeTooSmallIsTooLong) {
    const std::string data = "[21]ABCDEFGHIJ0123456789[240]XYZ-123abc";
    try {
        EncodeComposite("upce", "0123456", data, "a", {});
        ADD_FAILURE() << "accepted";
    } catch (const EncodeError& e) {
        EXPECT_EQ(e.Kind(), EncodeErrorKind::TooLong);
        EXPECT_GT(e.Capacity(), 0);
    }
    EXPECT_NO_THROW(EncodeComposite("upce", "0123456", data, "auto", {}));  // a CC-B holds it
}

}  // namespace
