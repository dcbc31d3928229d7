#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "gs1/element_string.h"
#include "symbologies/composite/composite_component.h"
#include "tests/cpp/zint_rows.h"

namespace {

// A linear component zint draws under the 2D component, at its left edge, for each width.
struct Carrier {
    int columns;
    const char* zint_options;
};
constexpr Carrier kCarriers[] = {
    {2, "-b 136 --primary=0123456"},       // UPC-E
    {3, "-b 130 --primary=1234567"},       // EAN-8
    {4, "-b 130 --primary=331234567890"},  // EAN-13
};

// The top `rows` rows zint draws for the element string (bracketed AIs), `width` modules each.
std::vector<std::string> ZintTopRows(const std::string& bracketed, const Carrier& carrier, char type, size_t rows,
                                     size_t width) {
    const std::string options = std::string(carrier.zint_options) + " --mode=" + (type == 'A' ? "1" : "2");
    std::vector<std::string> out = ZintRowsOf(options, bracketed).value_or(std::vector<std::string>{});
    out.resize(std::min(out.size(), rows));
    for (std::string& row : out) row.resize(width);
    return out;
}

std::vector<std::string> OurRows(const CompositeComponent& component) {
    std::vector<std::string> rows;
    for (const std::vector<uint8_t>& row : component.rows) {
        std::string bits;
        for (const uint8_t m : row) bits += char('0' + m);
        rows.push_back(bits);
    }
    return rows;
}

// Element strings that lead into each encodation method: a date with or without a lot number,
// a lot number, AI 90 in the compressed forms (with AI 21 or 8004 after), and general data with
// digits, capitals and the other characters GS1 allows, in runs.
std::vector<GS1Element> RandomElements(std::mt19937& rng, int most) {
    static const std::string kDigits = "0123456789";
    static const std::string kCapitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    static const std::string kOthers = "abcdefghijklmnopqrstuvwxyz!\"%&'()*+,-./:;<=>?_";
    auto pick = [&](const std::string& set) {
        return set[std::uniform_int_distribution<size_t>(0, set.size() - 1)(rng)];
    };
    auto number = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto text = [&](int length) {
        std::string s;
        while (int(s.size()) < length) {
            const int kind = number(0, 2);
            const std::string& set = kind == 0 ? kDigits : kind == 1 ? kCapitals : kOthers;
            for (int n = number(1, 8); n > 0 && int(s.size()) < length; --n) s += pick(set);
        }
        return s;
    };
    auto date = [&] {
        char d[7];
        std::snprintf(d, sizeof d, "%02d%02d%02d", number(0, 99), number(1, 12), number(1, 28));
        return std::string(d);
    };
    std::vector<GS1Element> elements;
    switch (number(0, 5)) {
    case 0: elements.push_back({number(0, 1) ? "11" : "17", date()}); break;
    case 1: elements.push_back({"17", date()}); elements.push_back({"10", text(number(1, 20))}); break;
    case 2: elements.push_back({"10", text(number(1, 20))}); break;
    case 3: {
        std::string ninety = number(0, 1) ? std::to_string(number(1, 999)) : "";
        ninety += pick(kCapitals);
        const int kind = number(0, 2);
        const std::string set = kind == 0 ? kCapitals : kind == 1 ? kDigits : kCapitals + kDigits + "-./";
        for (int n = number(0, 12); n > 0; --n) ninety += pick(set);
        elements.push_back({"90", ninety.substr(0, 30)});
        const int next = number(0, 2);
        if (next == 0) elements.push_back({"21", text(number(1, 20))});
        if (next == 1) elements.push_back({"8004", std::to_string(number(1000, 99999)) + text(number(0, 10))});
        break;
    }
    default: break;
    }
    static const char* const kGeneral[] = {"21", "91", "92", "3103", "15", "400"};
    for (int n = number(elements.empty() ? 1 : 0, most); n > 0; --n) {
        const std::string ai = kGeneral[number(0, 5)];
        if (ai == "3103") elements.push_back({ai, std::to_string(number(100000, 999999))});
        else if (ai == "15") elements.push_back({ai, date()});
        else elements.push_back({ai, text(number(1, ai[0] == '9' ? 60 : 20))});
    }
    return elements;
}

std::string Bracketed(const std::vector<GS1Element>& elements) {
    std::string s;
    for (const GS1Element& e : elements) s += "[" + e.ai + "]" + e.data;
    return s;
}

// For every CC-A size and every CC-B size of each width, seeded element strings whose component
// lands in it: the modules equal zint's (CC-A through the automatic choice, CC-B asked for).
TEST(CompositeComponent, EverySizeMatchesZint) {
    constexpr int kPerSize = 3;
    std::mt19937 rng(24723);
    for (const Carrier& carrier : kCarriers) {
        for (const char type : {'A', 'B'}) {
            std::vector<int> matched(50, 0);  // by row count
            std::vector<bool> reachable(50, false);
            for (int attempt = 0; attempt < 6000; ++attempt) {
                const std::vector<GS1Element> elements = RandomElements(rng, type == 'A' ? 2 : 6);
                CompositeComponent component;
                try {
                    component = EncodeCompositeComponent(GS1Data(elements, '\x1D'), carrier.columns,
                                                         type == 'A' ? CompositeType::Auto : CompositeType::B);
                } catch (const EncodeError&) {
                    continue;
                }
                if (component.type != type) continue;
                const size_t rows = component.rows.size();
                reachable[rows] = true;
                if (matched[rows] == kPerSize) continue;
                const std::string bracketed = Bracketed(elements);
                ASSERT_EQ(ZintTopRows(bracketed, carrier, type, rows, component.rows[0].size()), OurRows(component))
                    << "CC-" << type << " columns " << carrier.columns << ": " << bracketed;
                ++matched[rows];
            }
            // Sizes: CC-A 7, 5, 5 by width 2, 3, 4; CC-B 7, 10, 11.
            const size_t expected_sizes = type == 'A' ? (carrier.columns == 2 ? 7 : 5)
                                                      : (carrier.columns == 2 ? 7 : carrier.columns == 3 ? 10 : 11);
            size_t sizes = 0;
            for (size_t rows = 0; rows < matched.size(); ++rows) {
                if (!reachable[rows]) continue;
                ++sizes;
                EXPECT_EQ(matched[rows], kPerSize)
                    << "CC-" << type << " columns " << carrier.columns << " rows " << rows;
            }
            EXPECT_EQ(sizes, expected_sizes) << "CC-" << type << " columns " << carrier.columns;
        }
    }
}

}  // namespace

namespace {

TEST(CompositeComponent, Errors) {
    const std::string long_lot = "10" + std::string(20, 'a') + "\x1D" + "91" + std::string(90, 'b');
    const struct {
        std::string data;
        int columns;
        CompositeType type;
        EncodeErrorKind kind;
        long capacity;
    } kCases[] = {
        {"10ABC", 1, CompositeType::Auto, EncodeErrorKind::InvalidOption, -1},
        {"10ABC", 5, CompositeType::Auto, EncodeErrorKind::InvalidOption, -1},
        {"10AB#C", 4, CompositeType::Auto, EncodeErrorKind::InvalidData, -1},  // '#' is outside GS1's set
        {long_lot, 4, CompositeType::A, EncodeErrorKind::TooLong, 20},         // the largest 4-column CC-A
        {long_lot + "\x1D" + "92" + std::string(90, 'c'), 2, CompositeType::Auto, EncodeErrorKind::TooLong, 37},
    };
    for (const auto& c : kCases) {
        try {
            EncodeCompositeComponent(c.data, c.columns, c.type);
            ADD_FAILURE() << "no error for " << c.data << ", columns " << c.columns;
        } catch (const EncodeError& e) {
            EXPECT_EQ(e.Kind(), c.kind) << e.what();
            EXPECT_EQ(e.Capacity(), c.capacity) << e.what();
        }
    }
}

}  // namespace
