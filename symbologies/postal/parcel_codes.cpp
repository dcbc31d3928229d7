#include "symbologies/postal/parcel_codes.h"

#include <cstring>

#include "core/model/encode_error.h"
#include "core/text_encoding/digits.h"
#include "symbologies/linear/code128.h"
#include "symbologies/symbol_building.h"

namespace {

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return text;
}

// Quiet zone: 10 modules each side, as Code 128 (ISO/IEC 15417 4.4.2).
EncodedSymbol Code128Label(const std::string& data, const std::string& human) {
    return OneRowSymbol(EncodeCode128(data, Code128Mode::kAuto), kLinearBarHeight, 10, human, human);
}

}  // namespace

EncodedSymbol EncodeUpuS10Symbol(const std::string& text, const EncodeOptions&) {
    RefuseLongerThan(text, 13);
    RefuseEmpty(text);
    const std::string s = Upper(text);
    const bool with_check = s.size() == 13;
    const size_t country = with_check ? 11 : 10;
    for (size_t i = 0; i < s.size(); ++i) {
        const bool letter = i < 2 || i >= country;
        if (letter ? !IsUpper(s[i]) : !IsDigit(static_cast<unsigned char>(s[i])))
            throw EncodeError(EncodeErrorKind::InvalidCharacter,
                              letter ? "the service indicator and country code are letters"
                                     : "the serial number and check digit are digits",
                              long(i));
    }
    if (s.size() != 12 && s.size() != 13)
        throw EncodeError(EncodeErrorKind::InvalidData,
                          "an S10 identifier has 13 characters (12 without the check digit), not " +
                              std::to_string(s.size()));
    if (std::strchr("JKSTW", s[0]) != nullptr)
        throw EncodeError(EncodeErrorKind::InvalidData,
                          std::string("a service indicator does not start with ") + s[0] +
                              " (S10 assigns none starting with J, K, S, T or W)",
                          0);
    static const int kWeights[8] = {8, 6, 4, 2, 3, 5, 9, 7};
    int sum = 0;
    for (int i = 0; i < 8; ++i) sum += (s[size_t(2 + i)] - '0') * kWeights[i];
    const int remainder = 11 - sum % 11;
    const char check = char('0' + (remainder == 10 ? 0 : remainder == 11 ? 5 : remainder));
    if (with_check && s[10] != check)
        throw EncodeError(EncodeErrorKind::InvalidData, std::string("the check digit is ") + check + ", not " + s[10],
                          10);
    const std::string data = s.substr(0, 10) + check + s.substr(country);
    const std::string human = data.substr(0, 2) + " " + data.substr(2, 3) + " " + data.substr(5, 3) + " " +
                              data.substr(8, 3) + " " + data.substr(11);
    return Code128Label(data, human);
}

EncodedSymbol EncodeDpdSymbol(const std::string& text, const EncodeOptions&) {
    RefuseLongerThan(text, 28);
    RefuseEmpty(text);
    const size_t from = text[0] == '%' ? 1 : 0;
    const std::string s = Upper(text.substr(from));
    for (size_t i = 0; i < s.size(); ++i)
        if (!IsUpper(s[i]) && !IsDigit(static_cast<unsigned char>(s[i])))
            throw EncodeError(EncodeErrorKind::InvalidCharacter,
                              "DPD takes \"%\" then 0-9 and A-Z", long(from + i));
    if (s.size() != 27)
        throw EncodeError(EncodeErrorKind::InvalidData, "DPD takes 27 characters after \"%\", not " +
                                                            std::to_string(s.size()));
    // ISO/IEC 7064 MOD 37,36.
    int p = 36;
    for (char c : s) {
        const int v = IsDigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'A' + 10;
        const int t = (p + v) % 36;
        p = (t == 0 ? 36 : t) * 2 % 37;
    }
    const char check = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[(37 - p) % 36];
    static const int kGroups[] = {4, 3, 4, 4, 4, 2, 3, 3};
    std::string human;
    size_t at = 0;
    for (int n : kGroups) {
        human += s.substr(at, size_t(n)) + " ";
        at += size_t(n);
    }
    human += check;
    return Code128Label("%" + s, human);
}
