#include "gs1/digital_link.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/model/encode_error.h"
#include "core/text_encoding/ascii.h"
#include "core/text_encoding/digits.h"
#include "gs1/ai_table.h"
#include "gs1/element_string.h"
#include "gs1/validation.h"

namespace {

// `position`: a byte offset into the caller's text, or npos when no one place is at fault.
[[noreturn]] void Fail(const std::string& what, size_t position) {
    throw EncodeError(EncodeErrorKind::InvalidData, what, position == std::string::npos ? -1 : long(position));
}

bool IsUnreserved(char c) {
    return IsDigit(c) || IsUpper(c) || IsLower(c) || c == '-' || c == '.' || c == '_' || c == '~';
}

std::string PercentEncoded(const std::string& value) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : value) {
        if (IsUnreserved(c)) {
            out += c;
        } else {
            const unsigned char b = static_cast<unsigned char>(c);
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        }
    }
    return out;
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The value of text[begin, end) with its %XX escapes decoded.
std::string PercentDecoded(const std::string& text, size_t begin, size_t end) {
    std::string out;
    for (size_t i = begin; i < end; ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const int high = i + 2 < end ? HexValue(text[i + 1]) : -1;
        const int low = i + 2 < end ? HexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0) Fail("malformed percent escape at position " + std::to_string(i), i);
        out += char(high << 4 | low);
        i += 2;
    }
    return out;
}

bool IsAiName(const std::string& name) {
    return name.size() >= 2 && name.size() <= 4 && std::all_of(name.begin(), name.end(), IsDigit);
}

// Validates one field, reporting a fault at `position` (where the field starts in the caller's text).
void Validate(const GS1Element& element, size_t position) {
    try {
        ValidateGS1({element});
    } catch (const GS1Error& e) {
        Fail(e.what(), position);
    }
}

// The qualifiers among `ais` in the order of the key's first path that holds all of them, or
// nothing when no path does.
std::optional<std::vector<std::string>> QualifierOrder(const GS1AiFormat& key, const std::vector<std::string>& ais) {
    if (ais.empty()) return ais;
    for (const std::vector<std::string>& path : key.dl_qualifier_paths) {
        std::vector<std::string> ordered;
        for (const std::string& q : path)
            if (std::find(ais.begin(), ais.end(), q) != ais.end()) ordered.push_back(q);
        if (ordered.size() == ais.size()) return ordered;
    }
    return std::nullopt;
}

bool IsQualifierOf(const GS1AiFormat& key, const std::string& ai) {
    for (const std::vector<std::string>& path : key.dl_qualifier_paths)
        if (std::find(path.begin(), path.end(), ai) != path.end()) return true;
    return false;
}

// A path segment: its text decoded, and where it starts in the URI.
struct Segment {
    std::string text;
    size_t position;
};

// Whether segments[key..] are the key and its qualifiers in path order, as AI/value pairs. The
// qualifiers are checked only when there are no more of them than the key's longest path has, so
// trying every segment as the key stays linear in the path's length.
bool IsKeyPath(const std::vector<Segment>& segments, size_t key) {
    if ((segments.size() - key) % 2 != 0) return false;
    const std::optional<GS1AiFormat> format = FindGS1Ai(segments[key].text);
    if (!format || !format->dl_primary_key) return false;
    size_t longest = 0;
    for (const std::vector<std::string>& path : format->dl_qualifier_paths) longest = std::max(longest, path.size());
    if ((segments.size() - key) / 2 - 1 > longest) return false;
    std::vector<std::string> qualifiers;
    for (size_t i = key + 2; i < segments.size(); i += 2) {
        if (std::find(qualifiers.begin(), qualifiers.end(), segments[i].text) != qualifiers.end()) return false;
        qualifiers.push_back(segments[i].text);
    }
    const std::optional<std::vector<std::string>> order = QualifierOrder(*format, qualifiers);
    return order && *order == qualifiers;
}

}  // namespace

std::string DigitalLinkFromElementString(const std::string& element_string, const std::string& domain) {
    const std::string lower_domain = [&] {
        std::string s = domain;
        std::transform(s.begin(), s.end(), s.begin(), [](char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
        return s;
    }();
    if (lower_domain.rfind("http://", 0) != 0 && lower_domain.rfind("https://", 0) != 0)
        throw EncodeError(EncodeErrorKind::InvalidOption, "the domain must start with http:// or https://: " + domain);
    // A host, then only characters a URI's authority and path hold as they are: no query or
    // fragment, which would swallow the key path, and nothing that needs percent-encoding.
    const size_t host = lower_domain.find("://") + 3;
    if (host >= domain.size() || domain[host] == '/')
        throw EncodeError(EncodeErrorKind::InvalidOption, "the domain has no host: " + domain);
    static const std::string kAllowed =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~!$&'()*+,;=:@/%";
    for (size_t i = host; i < domain.size(); ++i)
        if (kAllowed.find(domain[i]) == std::string::npos)
            throw EncodeError(EncodeErrorKind::InvalidOption,
                              "the domain holds a character a URI prefix cannot (position " + std::to_string(i) +
                                  "): give scheme://host[/path] only");
    std::string stem = domain;
    while (!stem.empty() && stem.back() == '/') stem.pop_back();

    std::vector<GS1Element> elements;
    try {
        elements = ParseGS1(element_string);
    } catch (const GS1Error& e) {
        Fail(e.what(), std::string::npos);
    }
    if (elements.empty()) Fail("empty element string", 0);
    for (size_t i = 0; i < elements.size(); ++i) {
        Validate(elements[i], elements[i].ai_position);
        for (size_t j = 0; j < i; ++j)
            if (elements[j].ai == elements[i].ai)
                Fail("AI (" + elements[i].ai + ") appears twice", elements[i].ai_position);
    }

    // The first key AI whose companions are all its qualifiers or data attributes is the key.
    std::string first_fault;
    size_t first_fault_position = 0;
    for (const GS1Element& key : elements) {
        const GS1AiFormat key_format = *FindGS1Ai(key.ai);
        if (!key_format.dl_primary_key) continue;
        std::vector<std::string> qualifiers;
        std::vector<const GS1Element*> attributes;
        std::string fault;
        size_t fault_position = 0;
        for (const GS1Element& e : elements) {
            if (&e == &key) continue;
            if (IsQualifierOf(key_format, e.ai)) {
                qualifiers.push_back(e.ai);
            } else if (FindGS1Ai(e.ai)->dl_data_attribute) {
                attributes.push_back(&e);
            } else if (fault.empty()) {
                fault = "AI (" + e.ai + ") is neither a key qualifier of (" + key.ai + ") nor a data attribute";
                fault_position = e.ai_position;
            }
        }
        const std::optional<std::vector<std::string>> order = QualifierOrder(key_format, qualifiers);
        if (fault.empty() && !order) {
            fault = "the key qualifiers of (" + key.ai + ") do not form one of its paths";
            fault_position = key.ai_position;
        }
        if (!fault.empty()) {
            if (first_fault.empty()) {
                first_fault = fault;
                first_fault_position = fault_position;
            }
            continue;
        }
        const auto data_of = [&](const std::string& ai) {
            return std::find_if(elements.begin(), elements.end(), [&](const GS1Element& e) { return e.ai == ai; })->data;
        };
        std::string uri = stem + "/" + key.ai + "/" + PercentEncoded(key.data);
        for (const std::string& q : *order) uri += "/" + q + "/" + PercentEncoded(data_of(q));
        std::sort(attributes.begin(), attributes.end(),
                  [](const GS1Element* a, const GS1Element* b) { return a->ai < b->ai; });
        for (size_t i = 0; i < attributes.size(); ++i)
            uri += (i == 0 ? "?" : "&") + attributes[i]->ai + "=" + PercentEncoded(attributes[i]->data);
        return uri;
    }
    if (first_fault.empty()) Fail("no AI of the element string is a GS1 Digital Link primary key", 0);
    Fail(first_fault, first_fault_position);
}

std::string ElementStringFromDigitalLink(const std::string& uri) {
    const size_t scheme_end = uri.find("://");
    std::string scheme = uri.substr(0, scheme_end == std::string::npos ? 0 : scheme_end);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(), [](char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    if (scheme != "http" && scheme != "https") Fail("a GS1 Digital Link starts with http:// or https://", 0);
    const size_t end = std::min(uri.find('#'), uri.size());
    const size_t query = std::min(uri.find('?'), end);
    const size_t path = std::min(uri.find('/', scheme_end + 3), query);
    if (path == scheme_end + 3) Fail("the URI has no host", path);

    std::vector<Segment> segments;
    for (size_t start = path; start < query;) {
        const size_t stop = std::min(uri.find('/', start + 1), query);
        segments.push_back(Segment{PercentDecoded(uri, start + 1, stop), start + 1});
        start = stop;
    }
    size_t key = 0;
    while (key < segments.size() && !IsKeyPath(segments, key)) ++key;
    if (key == segments.size()) {
        const auto named = std::find_if(segments.begin(), segments.end(), [](const Segment& s) {
            const std::optional<GS1AiFormat> f = FindGS1Ai(s.text);
            return f && f->dl_primary_key;
        });
        if (named == segments.end()) Fail("the path holds no GS1 primary key", path);
        Fail("the path after primary key (" + named->text +
                 ") is not AI/value pairs of its key qualifiers in their order",
             named->position);
    }

    std::vector<GS1Element> elements;  // positions are offsets in the URI
    for (size_t i = key; i < segments.size(); i += 2) {
        if (segments[i + 1].text.empty()) Fail("AI (" + segments[i].text + ") has no value", segments[i + 1].position);
        elements.push_back(GS1Element{segments[i].text, segments[i + 1].text, segments[i].position, segments[i + 1].position});
    }

    const size_t path_fields = elements.size();
    for (size_t start = query; start < end;) {
        const size_t stop = std::min(uri.find('&', start + 1), end);
        // '=' looked for up to this parameter's end only: a query of many parameters stays linear.
        const size_t equals = size_t(std::find(uri.begin() + long(start + 1), uri.begin() + long(stop), '=') - uri.begin());
        const std::string name = uri.substr(start + 1, equals - start - 1);
        const size_t position = start + 1;
        start = stop;
        if (!IsAiName(name)) continue;  // not GS1's
        const std::optional<GS1AiFormat> format = FindGS1Ai(name);
        if (!format) Fail("unknown AI (" + name + ") in the query", position);
        if (!format->dl_data_attribute) Fail("AI (" + name + ") cannot be a data attribute", position);
        if (std::any_of(elements.begin(), elements.end(), [&](const GS1Element& e) { return e.ai == name; }))
            Fail("AI (" + name + ") appears twice", position);
        const std::string value = PercentDecoded(uri, std::min(equals + 1, stop), stop);
        if (value.empty()) Fail("AI (" + name + ") has no value", position);
        elements.push_back(GS1Element{name, value, position, std::min(equals + 1, stop)});
    }

    std::vector<size_t> order(elements.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin() + long(path_fields), order.end(),
              [&](size_t a, size_t b) { return elements[a].ai < elements[b].ai; });
    std::vector<GS1Element> ordered;
    for (size_t i : order) {
        Validate(elements[i], elements[i].ai_position);
        ordered.push_back(elements[i]);
    }
    return FormatGS1(ordered, GS1Form::kBracketed);
}
