#include "symbologies/postal/deutsche_post.h"

#include "core/model/encode_error.h"
#include "core/text_encoding/digits.h"
#include "symbologies/linear/itf.h"
#include "symbologies/symbol_building.h"

namespace {

// `groups`: the text's layout, '#' a digit; the check digit follows after a space.
EncodedSymbol DeutschePostSymbol(const char* name, const std::string& text, size_t digits, const char* groups) {
    RefuseLongerThan(text, digits + 1);
    RefuseEmpty(text);
    const size_t bad = FirstNonDigit(text);
    if (bad != std::string::npos)
        throw EncodeError(EncodeErrorKind::InvalidCharacter, std::string(name) + " takes digits only", long(bad));
    if (text.size() < digits)
        throw EncodeError(EncodeErrorKind::InvalidData, std::string(name) + " takes " + std::to_string(digits) +
                                                            " digits (one more: with the check digit), not " +
                                                            std::to_string(text.size()));
    int sum = 0;
    for (size_t i = 0; i < digits; ++i) sum += (text[i] - '0') * (i % 2 == 0 ? 4 : 9);
    const char check = char('0' + (10 - sum % 10) % 10);
    if (text.size() > digits && text[digits] != check)
        throw EncodeError(EncodeErrorKind::InvalidData,
                          std::string("the check digit is ") + check + ", not " + text[digits], long(digits));
    const std::string data = text.substr(0, digits) + check;
    std::string human;
    size_t next = 0;
    for (const char* g = groups; *g; ++g) human += *g == '#' ? data[next++] : *g;
    human += std::string(" ") + check;
    // Quiet zone: 10 modules each side, as ITF (ISO/IEC 16390 4.4).
    return OneRowSymbol(EncodeITF(data), kLinearBarHeight, 10, human, data);
}

}  // namespace

EncodedSymbol EncodeLeitcodeSymbol(const std::string& text, const EncodeOptions&) {
    return DeutschePostSymbol("Leitcode", text, 13, "#####.###.###.##");
}

EncodedSymbol EncodeIdentcodeSymbol(const std::string& text, const EncodeOptions&) {
    return DeutschePostSymbol("Identcode", text, 11, "##.### ###.###");
}
