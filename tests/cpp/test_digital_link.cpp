#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/model/encode_error.h"
#include "gs1/ai_table.h"
#include "gs1/check_digit.h"
#include "gs1/digital_link.h"
#include "gs1/element_string.h"

namespace {

constexpr const char* kGs1 = "https://id.gs1.org";

// Element strings and their canonical URIs, both ways. The element strings are in canonical
// order: key, qualifiers in path order, attributes in AI order.
TEST(DigitalLink, ExamplesBothWays) {
    const struct {
        const char* element_string;
        const char* domain;
        const char* uri;
    } cases[] = {
        // BWIPP's wiki, "GS1 Digital Link URIs"
        {"(01)09521234543213", kGs1, "https://id.gs1.org/01/09521234543213"},
        {"(01)09521234543213(10)ABC123(21)12345", kGs1, "https://id.gs1.org/01/09521234543213/10/ABC123/21/12345"},
        {"(01)09521234543213(10)ABC123(17)261231", kGs1, "https://id.gs1.org/01/09521234543213/10/ABC123?17=261231"},
        {"(00)106141411234567897", kGs1, "https://id.gs1.org/00/106141411234567897"},
        {"(01)09521234543213", "https://example.com/products", "https://example.com/products/01/09521234543213"},
        // worked by hand: the batch goes in the path, the expiry date in the query
        {"(01)09501101530003(10)ABC123(17)251231", kGs1, "https://id.gs1.org/01/09501101530003/10/ABC123?17=251231"},
        // worked by hand from the qualifier paths (01: 22, 10, 21 or 235; 414: 254 or 7040;
        // 8006: 22, 10, 21), percent-encoding all but A-Z a-z 0-9 - . _ ~
        {"(01)09520123456788(22)2A(10)AB-1.2_3(21)X/Y", kGs1,
         "https://id.gs1.org/01/09520123456788/22/2A/10/AB-1.2_3/21/X%2FY"},
        {"(01)09520123456788(235)TPX9", kGs1, "https://id.gs1.org/01/09520123456788/235/TPX9"},
        {"(414)9520123456788(254)32a/b", kGs1, "https://id.gs1.org/414/9520123456788/254/32a%2Fb"},
        {"(8006)095201234567880102(21)S1", kGs1, "https://id.gs1.org/8006/095201234567880102/21/S1"},
        {"(01)09520123456788(11)230101(17)251231(3103)000195", kGs1,
         "https://id.gs1.org/01/09520123456788?11=230101&17=251231&3103=000195"},
        {"(01)09520123456788(10)A\\(B)%&+,:;<=>?!'\"*", "http://example.com/",
         "http://example.com/01/09520123456788/10/A%28B%29%25%26%2B%2C%3A%3B%3C%3D%3E%3F%21%27%22%2A"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DigitalLinkFromElementString(c.element_string, c.domain), c.uri) << c.element_string;
        EXPECT_EQ(ElementStringFromDigitalLink(c.uri), c.element_string) << c.uri;
    }
}

// Forms that read to a canonical element string but are not themselves canonical.
TEST(DigitalLink, ReadsNonCanonicalForms) {
    const struct {
        const char* from;
        const char* element_string;
    } cases[] = {
        {"HTTPS://id.gs1.org/01/09501101530003?utm_source=x&17=251231&lang", "(01)09501101530003(17)251231"},
        {"https://id.gs1.org/01/09501101530003/21/A%2fb#top", "(01)09501101530003(21)A/b"},
        {"https://id.gs1.org/01/09501101530003?3103=000195&11=230101", "(01)09501101530003(11)230101(3103)000195"},
        // the domain's own path may hold AI-like segments: the key is the leftmost that fits
        {"https://example.com/01/x/01/09501101530003", "(01)09501101530003"},
    };
    for (const auto& c : cases) EXPECT_EQ(ElementStringFromDigitalLink(c.from), c.element_string) << c.from;
    EXPECT_EQ(DigitalLinkFromElementString("(17)251231(10)ABC123(01)09501101530003"),
              "https://id.gs1.org/01/09501101530003/10/ABC123?17=251231");
}

// Invalid input: the kind and the position (the byte offset of the fault, -1 for none).
TEST(DigitalLink, Errors) {
    const struct {
        bool to_uri;  // element string to URI, else URI to element string
        const char* input;
        EncodeErrorKind kind;
        long position;
    } cases[] = {
        {true, "(10)ABC", EncodeErrorKind::InvalidData, 0},                       // no primary key
        {true, "(01)09501101530004", EncodeErrorKind::InvalidData, 1},            // check digit
        {true, "(01)09501101530003(21)X(235)Y", EncodeErrorKind::InvalidData, 1},  // two qualifier paths
        {true, "(01)09501101530003(254)X", EncodeErrorKind::InvalidData, 19},     // not 01's, not an attribute
        {true, "(01)09501101530003(10)A(10)B", EncodeErrorKind::InvalidData, 24},  // repeated AI
        {true, "(01", EncodeErrorKind::InvalidData, -1},                           // not an element string
        {false, "ftp://id.gs1.org/01/09501101530003", EncodeErrorKind::InvalidData, 0},
        {false, "https:///01/09501101530003", EncodeErrorKind::InvalidData, 8},
        {false, "https://id.gs1.org/gtin/09501101530003", EncodeErrorKind::InvalidData, 18},  // alphas refused
        {false, "https://id.gs1.org/01/09501101530004", EncodeErrorKind::InvalidData, 19},
        {false, "https://id.gs1.org/01/09501101530003/21/X/10/Y", EncodeErrorKind::InvalidData, 19},
        {false, "https://id.gs1.org/01/09501101530003/10", EncodeErrorKind::InvalidData, 19},
        {false, "https://id.gs1.org/01/09501101530003/10/", EncodeErrorKind::InvalidData, 40},
        {false, "https://id.gs1.org/01/09501101530003/10/AB%2", EncodeErrorKind::InvalidData, 42},
        {false, "https://id.gs1.org/01/09501101530003?21=X", EncodeErrorKind::InvalidData, 37},
        {false, "https://id.gs1.org/01/09501101530003?9999=X", EncodeErrorKind::InvalidData, 37},
        {false, "https://id.gs1.org/01/09501101530003?17=251231&17=251231", EncodeErrorKind::InvalidData, 47},
        {false, "https://id.gs1.org/01/09501101530003?17=251332", EncodeErrorKind::InvalidData, 37},
        {false, "https://id.gs1.org/01/09501101530003?17=", EncodeErrorKind::InvalidData, 37},
    };
    for (const auto& c : cases) {
        try {
            c.to_uri ? DigitalLinkFromElementString(c.input) : ElementStringFromDigitalLink(c.input);
            ADD_FAILURE() << c.input << " was accepted";
        } catch (const EncodeError& e) {
            EXPECT_EQ(e.Kind(), c.kind) << c.input;
            EXPECT_EQ(e.Position(), c.position) << c.input << ": " << e.what();
        }
    }
    EXPECT_THROW(DigitalLinkFromElementString("(01)09501101530003", "id.gs1.org"), EncodeError);
    // A domain must be a URI prefix the link parses back from: a host, nothing that ends the path.
    for (const std::string& domain : std::vector<std::string>{"https://", "https:///x", "https://a.example?x=1", "https://a.example#f",
                                     std::string("https://a.example\0x", 19), "https://a b.example"})
        EXPECT_THROW(DigitalLinkFromElementString("(01)09501101530003", domain), EncodeError) << domain;
    EXPECT_EQ(DigitalLinkFromElementString("(01)09501101530003", "https://a.example:8443/dl/"),
              "https://a.example:8443/dl/01/09501101530003");
}

// Every segment tried as the key, and every query parameter, in time linear in the URI: 300,000
// segments that all name a key, or parameters without '=', would take minutes if it were quadratic.
TEST(DigitalLink, LongUrisFailInLinearTime) {
    std::string keys = "https://id.gs1.org";
    for (int i = 0; i < 150000; ++i) keys += "/01/01";
    EXPECT_THROW(ElementStringFromDigitalLink(keys), EncodeError);
    std::string query = "https://id.gs1.org/01/09501101530003?x";
    for (int i = 0; i < 300000; ++i) query += "&x";
    EXPECT_EQ(ElementStringFromDigitalLink(query), "(01)09501101530003");
}

// Random valid data for one component of an AI's format.
std::string RandomComponent(const GS1Component& c, std::mt19937& rng) {
    const auto number = [&](int low, int high, int width) {
        std::string s = std::to_string(std::uniform_int_distribution<int>(low, high)(rng));
        return std::string(size_t(width) - s.size(), '0') + s;
    };
    switch (c.linter) {
        case GS1Linter::kDateDayZero:
        case GS1Linter::kDate: return number(0, 99, 2) + number(1, 12, 2) + number(1, 28, 2);
        case GS1Linter::kLongDate: return number(1900, 2099, 4) + number(1, 12, 2) + number(1, 28, 2);
        case GS1Linter::kHourMinute: return number(0, 23, 2) + number(0, 59, 2);
        case GS1Linter::kHour: return number(0, 23, 2);
        case GS1Linter::kMinute:
        case GS1Linter::kSecond: return number(0, 59, 2);
        default: break;
    }
    static const std::string kSets[] = {
        "0123456789",
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz!\"%&'()*+,-./:;<=>?_",
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ#-/",
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-_=",
    };
    const std::string& set = kSets[int(c.set)];
    const int length = std::uniform_int_distribution<int>(c.min_length, c.max_length)(rng);
    std::string s;
    for (int i = 0; i < length - (c.linter == GS1Linter::kCheckDigit); ++i)
        s += set[std::uniform_int_distribution<size_t>(0, set.size() - 1)(rng)];
    if (c.linter == GS1Linter::kCheckDigit) s += GS1CheckDigit(s);
    return s;
}

GS1Element RandomElement(const std::string& ai, std::mt19937& rng) {
    GS1Element e{ai, "", 0, 0};
    const GS1AiFormat format = *FindGS1Ai(ai);
    for (const GS1Component& c : format.components) {
        if (c.optional && rng() % 2 == 0) break;  // optional components are left off from the first omitted on
        e.data += RandomComponent(c, rng);
    }
    return e;
}

std::vector<GS1Element> Sorted(std::vector<GS1Element> elements) {
    std::sort(elements.begin(), elements.end(), [](const GS1Element& a, const GS1Element& b) { return a.ai < b.ai; });
    return elements;
}

// Seeded random element strings built from the AI table: a primary key, some of one of its
// qualifier paths, up to three data attributes. URI and back gives the same fields, and the
// element string read back gives the same URI.
TEST(DigitalLink, RoundTripsRandomElementStrings) {
    std::vector<std::string> keys, attributes;
    for (const std::string& ai : AllGS1Ais()) {
        if (FindGS1Ai(ai)->dl_primary_key) keys.push_back(ai);
        if (FindGS1Ai(ai)->dl_data_attribute) attributes.push_back(ai);
    }
    std::mt19937 rng(20261207);
    for (int round = 0; round < 300; ++round) {
        const GS1AiFormat key = *FindGS1Ai(keys[rng() % keys.size()]);
        std::vector<GS1Element> elements{RandomElement(key.ai, rng)};
        std::vector<std::string> used{key.ai};
        if (!key.dl_qualifier_paths.empty()) {
            for (const std::string& q : key.dl_qualifier_paths[rng() % key.dl_qualifier_paths.size()])
                if (rng() % 2 == 0) elements.push_back(RandomElement(q, rng));
            for (const auto& path : key.dl_qualifier_paths) used.insert(used.end(), path.begin(), path.end());
        }
        for (int n = int(rng() % 4); n > 0; --n) {
            const std::string& ai = attributes[rng() % attributes.size()];
            if (std::find(used.begin(), used.end(), ai) != used.end()) continue;
            used.push_back(ai);
            elements.push_back(RandomElement(ai, rng));
        }
        std::shuffle(elements.begin() + 1, elements.end(), rng);
        const std::string element_string = FormatGS1(elements, GS1Form::kBracketed);
        const std::string uri = DigitalLinkFromElementString(element_string);
        const std::string read_back = ElementStringFromDigitalLink(uri);
        EXPECT_EQ(DigitalLinkFromElementString(read_back), uri) << element_string;
        const std::vector<GS1Element> expected = Sorted(elements), got = Sorted(ParseGS1(read_back));
        ASSERT_EQ(got.size(), expected.size()) << uri;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].ai, expected[i].ai) << uri;
            EXPECT_EQ(got[i].data, expected[i].data) << uri;
        }
    }
}

}  // namespace
