#include "symbologies/linear/gs1_128.h"

#include <algorithm>
#include <cstdio>

#include "gs1/check_digit.h"
#include "gs1/element_input.h"
#include "symbologies/linear/code128_symbols.h"
#include "symbologies/symbol_building.h"

namespace {

using namespace code128;

bool IsMarker(int code) { return code == kGS1Fnc1 || code == kGS1AiMark; }
bool IsDigitCode(int code) { return code >= '0' && code <= '9'; }
bool IsControl(int code) { return code < 0x20; }
// Codes that only set B holds: '`', lower-case letters, '{', '|', '}', '~' and DEL. A marker counts
// as one: written out, it opens with '{'.
bool NeedsSetB(int code) { return (code >= 0x60 && code <= 0x7F) || IsMarker(code); }

bool FourDigitsAt(const std::vector<int>& codes, size_t p) {
    if (p + 4 > codes.size()) return false;
    return std::all_of(codes.begin() + long(p), codes.begin() + long(p) + 4, IsDigitCode);
}

// Digits at the start, markers skipped (one per step); the last code is never counted.
size_t LeadingDigits(const std::vector<int>& codes) {
    size_t digits = 0;
    size_t skipped = 0;
    while (digits + skipped + 1 < codes.size()) {
        if (IsMarker(codes[digits + skipped])) ++skipped;
        const size_t p = digits + skipped;
        if (p >= codes.size() || !IsDigitCode(codes[p])) break;
        ++digits;
    }
    return digits;
}

// Set A when a control character comes before any code only set B holds, else set B.
bool PrefersSetA(const std::vector<int>& codes, size_t from) {
    for (size_t p = from; p < codes.size(); ++p) {
        if (IsControl(codes[p])) return true;
        if (NeedsSetB(codes[p])) return false;
    }
    return false;
}

enum Set { kSetA, kSetB, kSetC };

}  // namespace

std::vector<int> EncodeGS1_128Values(const std::vector<int>& codes) {
    for (int code : codes) {
        if (code >= 0x80 && !IsMarker(code))
            throw EncodeError(EncodeErrorKind::InvalidCharacter,
                              std::string("Invalid character in GS1-128: ") + char(code));
    }
    Set set = LeadingDigits(codes) >= 3 ? kSetC : PrefersSetA(codes, 0) ? kSetA : kSetB;
    std::vector<int> values{set == kSetC ? kStartC : set == kSetA ? kStartA : kStartB};
    values.reserve(codes.size() + 2);
    auto switch_to = [&](Set target) {
        set = target;
        values.push_back(target == kSetC ? kCodeC : target == kSetA ? kCodeA : kCodeB);
    };
    for (size_t p = 0; p < codes.size();) {
        const int code = codes[p];
        if (set != kSetC && FourDigitsAt(codes, p)) {
            switch_to(kSetC);
        } else if (set == kSetA && NeedsSetB(code)) {
            switch_to(kSetB);
        } else if (set == kSetB && IsControl(code)) {
            switch_to(kSetA);
        } else if (set == kSetC) {
            const bool pair = p + 1 < codes.size() && IsDigitCode(code) && IsDigitCode(codes[p + 1]);
            if (!pair && !IsMarker(code)) switch_to(PrefersSetA(codes, p) ? kSetA : kSetB);
        }

        if (code == kGS1Fnc1) {
            values.push_back(kFnc1);
        } else if (code == kGS1AiMark) {
            // no symbol character
        } else if (set == kSetC) {
            values.push_back((code - '0') * 10 + (codes[p + 1] - '0'));
            ++p;
        } else {
            const unsigned char byte = static_cast<unsigned char>(code);
            values.push_back(set == kSetA ? ValueInSetA(byte) : ValueInSetB(byte));
        }
        ++p;
    }
    return values;
}

ModuleWidths EncodeGS1_128(const std::vector<int>& codes) {
    return ToModuleWidths(EncodeGS1_128Values(codes), "Invalid code value");
}

std::string ConvenienceDigits(const std::string& code) {
    // A leading "{FNC1}" is allowed: the symbol has its FNC1 anyway.
    const size_t offset = code.compare(0, 6, "{FNC1}") == 0 ? 6 : 0;
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
    return OneRowSymbol(EncodeGS1_128(GS1MarkedCodes(elements)), kLinearBarHeight, 10, human, human);
}

namespace {

// The payment code's digits as given: alone, after "{FNC1}", or as the element string of AI (91)
// in a bracketed form; faults are named where they are in the text.
std::string ConvenienceInputDigits(const std::string& text) {
    if (text.empty() || (text[0] != '(' && text[0] != '[')) return ConvenienceDigits(text);
    const std::vector<GS1Element> elements = ReadGS1Input(text, false);
    if (elements.size() != 1 || elements[0].ai != "91")
        throw EncodeError(EncodeErrorKind::InvalidData, "the payment code is one AI (91) and its digits",
                          long(elements[elements.size() != 1 ? 1 : 0].ai_position));
    try {
        return ConvenienceDigits("91" + elements[0].data);
    } catch (const EncodeError& e) {
        if (e.Position() < 0) throw;
        throw EncodeError(e.Kind(), e.what(), long(elements[0].data_position) + e.Position() - 2);
    }
}

}  // namespace

EncodedSymbol EncodeConvenienceSymbol(const std::string& text, const EncodeOptions&) {
    // "{FNC1}" and 44 digits at most.
    RefuseLongerThan(text, 6 + 44);
    const std::size_t offset = text.compare(0, 6, "{FNC1}") == 0 ? 6 : 0;
    const std::string given = text.substr(offset);
    // The digits alone name the check digit they expect; element strings are checked by the reader.
    if (given.size() == 44 && given[0] != '(' && given[0] != '[') CompleteGS1CheckDigit(given, 43, offset);
    const std::string digits = ConvenienceInputDigits(text);
    EncodedSymbol symbol = OneRowSymbol(ToModuleWidths(ConvenienceValues(digits), "Invalid code value"),
                                        kLinearBarHeight, 10, "", digits);
    // Two lines, each spread letter by letter over the whole width.
    const std::vector<std::string> lines = ConvenienceTextLines(digits);
    for (size_t i = 0; i < lines.size(); ++i)
        symbol.text.push_back(TextSpan{lines[i], symbol.width / 2.0, 0, TextRole::Main, double(symbol.width), int(i)});
    return symbol;
}
