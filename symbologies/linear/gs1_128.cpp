#include "symbologies/linear/gs1_128.h"

#include <algorithm>
#include <cstdio>

#include "gs1/ai_table.h"
#include "gs1/check_digit.h"
#include "gs1/element_input.h"
#include "symbologies/linear/code128_symbols.h"
#include "symbologies/symbol_building.h"

namespace {

using namespace code128;

constexpr char kFnc1Marker[] = "{FNC1}";
constexpr char kAiMarker[] = "{AI}";
constexpr size_t kFnc1MarkerLength = 6;
constexpr size_t kAiMarkerLength = 4;

bool StartsAt(const std::string& text, size_t p, const char* marker, size_t length) {
    return text.compare(p, length, marker) == 0;
}
bool Fnc1At(const std::string& text, size_t p) { return StartsAt(text, p, kFnc1Marker, kFnc1MarkerLength); }
bool AiAt(const std::string& text, size_t p) { return StartsAt(text, p, kAiMarker, kAiMarkerLength); }

bool IsControl(unsigned char byte) { return byte < 0x20; }
// Bytes that only set B holds: '`', lower-case letters, '{', '|', '}', '~' and DEL.
bool NeedsSetB(unsigned char byte) { return byte >= 0x60 && byte <= 0x7F; }

bool FourDigitsAt(const std::string& text, size_t p) {
    if (p + 4 > text.size()) return false;
    return std::all_of(text.begin() + p, text.begin() + p + 4, [](char c) { return IsDigit(c); });
}

// Digits at the start of the text, markers skipped; the last byte is never counted.
size_t LeadingDigits(const std::string& text) {
    size_t digits = 0;
    size_t skipped = 0;
    while (digits + skipped + 1 < text.size()) {
        if (Fnc1At(text, digits + skipped)) {
            skipped += kFnc1MarkerLength;
        } else if (AiAt(text, digits + skipped)) {
            skipped += kAiMarkerLength;
        }
        const size_t p = digits + skipped;
        if (p >= text.size() || !IsDigit(text[p])) break;
        ++digits;
    }
    return digits;
}

// Set A when a control character comes before any byte only set B holds, else set B.
bool PrefersSetA(const std::string& text, size_t from) {
    for (size_t p = from; p < text.size(); ++p) {
        if (IsControl(text[p])) return true;
        if (NeedsSetB(text[p])) return false;
    }
    return false;
}

enum Set { kSetA, kSetB, kSetC };

}  // namespace

std::vector<int> EncodeGS1_128Values(const std::string& text) {
    for (size_t p = 0; p < text.size(); ++p) {
        if (static_cast<unsigned char>(text[p]) >= 0x80)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, std::string("Invalid character in GS1-128: ") + text[p],
                              long(p));
    }
    Set set = LeadingDigits(text) >= 3 ? kSetC : PrefersSetA(text, 0) ? kSetA : kSetB;
    std::vector<int> values{set == kSetC ? kStartC : set == kSetA ? kStartA : kStartB};
    values.reserve(text.size() + 2);
    auto switch_to = [&](Set target) {
        set = target;
        values.push_back(target == kSetC ? kCodeC : target == kSetA ? kCodeA : kCodeB);
    };
    for (size_t p = 0; p < text.size();) {
        const unsigned char byte = text[p];
        if (set != kSetC && FourDigitsAt(text, p)) {
            switch_to(kSetC);
        } else if (set == kSetA && NeedsSetB(byte)) {
            switch_to(kSetB);
        } else if (set == kSetB && IsControl(byte)) {
            switch_to(kSetA);
        } else if (set == kSetC) {
            const bool pair = p + 1 < text.size() && IsDigit(text[p]) && IsDigit(text[p + 1]);
            if (!pair && !Fnc1At(text, p) && !AiAt(text, p)) switch_to(PrefersSetA(text, p) ? kSetA : kSetB);
        }

        if (Fnc1At(text, p)) {
            values.push_back(kFnc1);
            p += kFnc1MarkerLength;
        } else if (AiAt(text, p)) {
            p += kAiMarkerLength;
        } else if (set == kSetC) {
            values.push_back((text[p] - '0') * 10 + (text[p + 1] - '0'));
            p += 2;
        } else {
            values.push_back(set == kSetA ? ValueInSetA(byte) : ValueInSetB(byte));
            p += 1;
        }
    }
    return values;
}

ModuleWidths EncodeGS1_128(const std::string& text) {
    return ToModuleWidths(EncodeGS1_128Values(text), "Invalid code value");
}

std::string GS1_128HumanText(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 8);
    bool after_marker = false;
    for (size_t p = 0; p < text.size();) {
        if (Fnc1At(text, p) || AiAt(text, p)) {
            p += Fnc1At(text, p) ? kFnc1MarkerLength : kAiMarkerLength;
            after_marker = true;
        } else if (after_marker) {
            // The AI at its full length; one that does not start with two digits is shown as two bytes.
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

std::string ConvenienceDigits(const std::string& code) {
    const size_t offset = Fnc1At(code, 0) ? kFnc1MarkerLength : 0;
    const std::string digits = code.substr(offset);
    const auto non_digit = std::find_if(digits.begin(), digits.end(), [](char c) { return !IsDigit(c); });
    if (non_digit != digits.end())
        throw EncodeError(EncodeErrorKind::InvalidCharacter, "Non-digit character found",
                          long(offset + (non_digit - digits.begin())));
    if (digits.size() == 43) return digits + GS1CheckDigit(digits);
    if (digits.size() != 44) throw EncodeError(EncodeErrorKind::InvalidData, "Code length must be 43 or 44 digits");
    if (GS1CheckDigit(digits.substr(0, 43)) != digits[43])
        throw EncodeError(EncodeErrorKind::InvalidData, "Check digit mismatch", long(offset + 43));
    return digits;
}

std::vector<int> ConvenienceValues(const std::string& digits44) {
    std::vector<int> values{kStartC, kFnc1};
    for (size_t p = 0; p + 1 < digits44.size(); p += 2)
        values.push_back((digits44[p] - '0') * 10 + (digits44[p + 1] - '0'));
    return values;
}

std::vector<std::string> ConvenienceTextLines(const std::string& d) {
    return {"(" + d.substr(0, 2) + ")" + d.substr(2, 6) + "-" + d.substr(8, 22),
            d.substr(30, 6) + "-" + d.substr(36, 1) + "-" + d.substr(37, 6) + "-" + d.substr(43, 1)};
}

EncodedSymbol EncodeGS1_128Symbol(const std::string& text, const EncodeOptions& options) {
    // zint 2.15 takes at most 256 characters of element string (it refuses 257).
    RefuseLongerThan(text, 256);
    RefuseEmpty(text);
    // Code 128 holds ASCII alone; unchecked element strings reach the encoder rewritten, so the
    // position is taken here, in the text as given.
    for (size_t p = 0; p < text.size(); ++p)
        if (static_cast<unsigned char>(text[p]) >= 0x80)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "Code 128 holds ASCII characters only", long(p));
    const std::vector<GS1Element> elements = ReadGS1Input(text, options.gs1_validate);
    const std::string human = GS1HumanReadable(elements);
    // Quiet zone: 10 modules each side (GS1 General Specifications 5.4.4.2).
    return OneRowSymbol(EncodeGS1_128(FormatGS1(elements, GS1Form::kGS1_128)), kLinearBarHeight, 10, human, human);
}

EncodedSymbol EncodeConvenienceSymbol(const std::string& text, const EncodeOptions&) {
    // "{FNC1}" and 44 digits at most.
    RefuseLongerThan(text, kFnc1MarkerLength + 44);
    const std::string digits = ConvenienceDigits(text);
    EncodedSymbol symbol = OneRowSymbol(ToModuleWidths(ConvenienceValues(digits), "Invalid code value"),
                                        kLinearBarHeight, 10, "", digits);
    // Two lines, each spread letter by letter over the whole width.
    const std::vector<std::string> lines = ConvenienceTextLines(digits);
    for (size_t i = 0; i < lines.size(); ++i)
        symbol.text.push_back(TextSpan{lines[i], symbol.width / 2.0, 0, TextRole::Main, double(symbol.width), int(i)});
    return symbol;
}
