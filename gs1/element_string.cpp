#include "gs1/element_string.h"

#include "core/text_encoding/digits.h"
#include "gs1/ai_table.h"

namespace {

constexpr char kFnc1Marker[] = "{FNC1}";
constexpr char kAiMarker[] = "{AI}";
constexpr size_t kFnc1MarkerLength = 6;
constexpr size_t kAiMarkerLength = 4;

[[noreturn]] void Fail(const std::string& what, size_t position,
                       EncodeErrorKind kind = EncodeErrorKind::InvalidData) {
    throw GS1Error(what, position, "", kind);
}

bool NeedsSeparator(const std::string& ai) {
    const auto format = FindGS1Ai(ai);
    return !format || format->fnc1_required;
}

size_t PredefinedLength(const std::string& ai) {
    const auto format = FindGS1Ai(ai);
    return format ? size_t(format->PredefinedLength()) : 0;
}

// Each AI between `open` and `close` ("(01)..." or "[01]..."); a backslash before `open` makes it data.
std::vector<GS1Element> ParseBracketed(const std::string& text, char open, char close_mark) {
    const std::string opening(1, open);
    std::vector<GS1Element> elements;
    for (size_t p = 0; p < text.size();) {
        if (text[p] != open) Fail("expected '" + opening + "' before an AI", p);
        const size_t close = text.find(close_mark, p + 1);
        if (close == std::string::npos) Fail("unclosed '" + opening + "'", p);
        GS1Element e;
        e.ai_position = p + 1;
        e.ai = text.substr(p + 1, close - p - 1);
        if (e.ai.size() < 2 || e.ai.size() > 4) Fail("an AI has 2 to 4 digits, not \"" + e.ai + "\",", p + 1);
        for (size_t i = 0; i < e.ai.size(); ++i)
            if (!IsDigit(e.ai[i]))
                Fail("non-digit character in AI \"" + e.ai + "\"", p + 1 + i, EncodeErrorKind::InvalidCharacter);
        e.data_position = close + 1;
        p = close + 1;
        while (p < text.size() && text[p] != open) {
            if (text[p] == '\\' && p + 1 < text.size() && text[p + 1] == open) ++p;  // escaped
            e.data += text[p++];
        }
        if (e.data.empty()) Fail("no data for AI (" + e.ai + ")", e.data_position);
        elements.push_back(std::move(e));
    }
    if (elements.empty()) Fail("empty element string", 0);
    return elements;
}

// A marker form reduced to raw data with `separator` for FNC1, keeping each byte's position in
// the text so that the fields can name where they came from.
struct RawText {
    std::string data;
    std::vector<size_t> positions;
};

// Calls `take(code, position)` for every code of a marker form from `from` on (see GS1MarkedCodes).
template <typename Take>
void ScanMarkers(const std::string& text, size_t from, bool brackets_are_fnc1, Take take) {
    for (size_t p = from; p < text.size();) {
        if (text.compare(p, kAiMarkerLength, kAiMarker) == 0) {
            take(kGS1AiMark, p);
            p += kAiMarkerLength;
        } else if (text.compare(p, kFnc1MarkerLength, kFnc1Marker) == 0) {
            take(kGS1Fnc1, p);
            p += kFnc1MarkerLength;
        } else {
            take(brackets_are_fnc1 && text[p] == '[' ? kGS1Fnc1 : static_cast<unsigned char>(text[p]), p);
            ++p;
        }
    }
}

RawText Unmarked(const std::string& text, size_t from, bool brackets_are_fnc1, char separator) {
    RawText raw;
    ScanMarkers(text, from, brackets_are_fnc1, [&](int code, size_t p) {
        if (code == kGS1AiMark) return;
        raw.data += code == kGS1Fnc1 ? separator : char(code);
        raw.positions.push_back(p);
    });
    raw.positions.push_back(text.size());
    return raw;
}

std::vector<GS1Element> ParseMarked(const std::string& text) {
    const bool gs1_128 = text.compare(0, kFnc1MarkerLength, kFnc1Marker) == 0;
    // GS1 data never holds control characters, so one serves as the separator.
    constexpr char kSeparator = '\x1d';
    const RawText raw = Unmarked(text, gs1_128 ? kFnc1MarkerLength : 0, !gs1_128, kSeparator);
    if (raw.data.empty()) Fail("empty element string", 0);
    std::vector<GS1Element> elements = ParseGS1Raw(raw.data, kSeparator);
    if (elements.empty()) Fail("empty element string", 0);  // separators alone
    for (GS1Element& e : elements) {
        for (size_t i = 0; i < e.ai.size() || i < 2; ++i)
            if (i >= e.ai.size() || !IsDigit(e.ai[i]))
                Fail("expected an AI", raw.positions[e.ai_position + i],
                     i < e.ai.size() ? EncodeErrorKind::InvalidCharacter : EncodeErrorKind::InvalidData);
        if (e.data.empty()) Fail("no data for AI (" + e.ai + ")", raw.positions[e.data_position]);
        e.ai_position = raw.positions[e.ai_position];
        e.data_position = raw.positions[e.data_position];
    }
    return elements;
}

}  // namespace

std::vector<GS1Element> ParseGS1(const std::string& text) {
    if (!text.empty() && text[0] == '(') return ParseBracketed(text, '(', ')');
    if (!text.empty() && text[0] == '[') return ParseBracketed(text, '[', ']');
    return ParseMarked(text);
}

std::vector<GS1Element> ParseGS1Raw(const std::string& data, char separator) {
    std::vector<GS1Element> elements;
    for (size_t p = 0; p < data.size();) {
        if (data[p] == separator) {
            ++p;
            continue;
        }
        GS1Element e;
        e.ai_position = p;
        const size_t ai_length = GS1AiLengthAt(data, p);
        size_t end = p + (ai_length == 0 ? 2 : ai_length);
        while (end > data.size() || data.find(separator, p) < end) --end;
        e.ai = data.substr(p, end - p);
        e.data_position = end;
        const size_t fixed = PredefinedLength(e.ai);
        size_t data_end = data.find(separator, end);
        if (data_end == std::string::npos) data_end = data.size();
        if (fixed > 0 && end + fixed < data_end) data_end = end + fixed;
        e.data = data.substr(end, data_end - end);
        p = data_end;
        elements.push_back(std::move(e));
    }
    return elements;
}

std::string FormatGS1(const std::vector<GS1Element>& elements, GS1Form form) {
    std::string out;
    for (size_t i = 0; i < elements.size(); ++i) {
        const GS1Element& e = elements[i];
        const bool separated = i > 0 && NeedsSeparator(elements[i - 1].ai);
        switch (form) {
            case GS1Form::kBracketed:
                out += "(" + e.ai + ")";
                for (char c : e.data) {
                    if (c == '(') out += '\\';
                    out += c;
                }
                continue;
            case GS1Form::kGS1_128: out += i == 0 || separated ? kFnc1Marker : kAiMarker; break;
            case GS1Form::kDataBarExpanded:
                if (separated) out += '[';
                if (i > 0) out += kAiMarker;
                break;
        }
        out += e.ai + e.data;
    }
    return out;
}

std::string GS1Data(const std::vector<GS1Element>& elements, char separator) {
    std::string out;
    for (size_t i = 0; i < elements.size(); ++i) {
        if (i > 0 && NeedsSeparator(elements[i - 1].ai)) out += separator;
        out += elements[i].ai + elements[i].data;
    }
    return out;
}

std::vector<int> GS1MarkedCodes(const std::vector<GS1Element>& elements) {
    std::vector<int> codes;
    for (size_t i = 0; i < elements.size(); ++i) {
        codes.push_back(i == 0 || NeedsSeparator(elements[i - 1].ai) ? kGS1Fnc1 : kGS1AiMark);
        for (char c : elements[i].ai + elements[i].data) codes.push_back(static_cast<unsigned char>(c));
    }
    return codes;
}

std::vector<int> GS1MarkedCodes(const std::string& text, bool brackets_are_fnc1) {
    std::vector<int> codes;
    codes.reserve(text.size());
    ScanMarkers(text, 0, brackets_are_fnc1, [&](int code, size_t) { codes.push_back(code); });
    return codes;
}

std::string GS1MarkedHumanText(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 8);
    bool after_marker = false;
    for (size_t p = 0; p < text.size();) {
        const bool fnc1 = text.compare(p, kFnc1MarkerLength, kFnc1Marker) == 0;
        if (fnc1 || text.compare(p, kAiMarkerLength, kAiMarker) == 0) {
            p += fnc1 ? kFnc1MarkerLength : kAiMarkerLength;
            after_marker = true;
        } else if (after_marker) {
            const size_t length = GS1AiLengthAt(text, p);
            const std::string ai = text.substr(p, length == 0 ? 2 : length);
            out += "(" + ai + ")";
            p += ai.size();
            after_marker = false;
        } else {
            out += text[p++];
        }
    }
    return out;
}

std::string GS1HumanReadable(const std::vector<GS1Element>& elements) {
    std::string out;
    for (const GS1Element& e : elements) out += "(" + e.ai + ")" + e.data;
    return out;
}
