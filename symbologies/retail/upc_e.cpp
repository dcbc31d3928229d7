#include "symbologies/retail/upc_e.h"

#include "core/model/encode_error.h"
#include "gs1/check_digit.h"
#include "symbologies/retail/ean_upc_digits.h"
#include "symbologies/retail/ean_upc_symbol.h"
#include "symbologies/symbol_building.h"

namespace {

// Which data digits use set L (odd parity) in number system 0, by check digit; data digit 1 is bit 5.
// Number system 1 uses the complement.
constexpr unsigned char kNumberSystem0Parity[10] = {0x07, 0x0B, 0x0D, 0x0E, 0x13, 0x19, 0x1C, 0x15, 0x16, 0x1A};

}  // namespace

std::string ExpandUpcE(const std::string& s) {
    const char last = s[6];
    switch (last) {
        case '0':
        case '1':
        case '2':
            return s.substr(0, 3) + last + "0000" + s.substr(3, 3);
        case '3':
            return s.substr(0, 4) + "00000" + s.substr(4, 2);
        case '4':
            return s.substr(0, 5) + "00000" + s[5];
        default:
            return s.substr(0, 6) + "0000" + last;
    }
}

char UpcECheckDigit(const std::string& seven_digits) { return GS1CheckDigit(ExpandUpcE(seven_digits)); }

std::string CompleteUpcE(const std::string& code) {
    if (code.size() < 6 || code.size() > 8)
        throw EncodeError(EncodeErrorKind::InvalidData, "Invalid length (must be 6, 7 or 8 digits).");
    if (const size_t bad = FirstNonDigit(code); bad != std::string::npos)
        throw EncodeError(EncodeErrorKind::InvalidCharacter, "Invalid character (non-digit found).", long(bad));
    std::string digits = code.size() == 6 ? "0" + code : code;
    if (digits[0] != '0' && digits[0] != '1')
        throw EncodeError(EncodeErrorKind::InvalidData, "Invalid number system (must be 0 or 1).", 0);
    const char check = UpcECheckDigit(digits.substr(0, 7));
    if (digits.size() == 7) return digits + check;
    if (digits[7] != check) throw EncodeError(EncodeErrorKind::InvalidData, "Invalid check digit", 7);
    return digits;
}

ModuleWidths EncodeUPCE(const std::string& code) {
    if (code.size() != 8) throw EncodeError(EncodeErrorKind::InvalidData, "EncodeUPCE: code must be 8 digits.");
    if (!IsDigit(code[7])) throw EncodeError(EncodeErrorKind::InvalidCharacter, "EncodeUPCE: invalid check digit.", 7);
    if (const size_t bad = FirstNonDigit(code.substr(0, 7), 1); bad != std::string::npos)
        throw EncodeError(EncodeErrorKind::InvalidCharacter, "EncodeUPCE: non digit in data part.", long(bad));
    const std::string digits = CompleteUpcE(code);  // number system and check digit

    const unsigned odd = kNumberSystem0Parity[digits[7] - '0'] ^ (digits[0] == '1' ? 0x3F : 0x00);
    ModuleWidths out;
    out.reserve(33);
    AppendNormalGuard(out);
    for (int j = 0; j < 6; ++j) AppendDigit(out, digits[1 + j], (odd >> (5 - j)) & 1 ? DigitSet::L : DigitSet::G);
    AppendUpcEEndGuard(out);
    return out;
}

EncodedSymbol EncodeUpcESymbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, 8);
    if (text.size() == 8 && FirstNonDigit(text) == std::string::npos && (text[0] == '0' || text[0] == '1')) {
        const char expected = UpcECheckDigit(text.substr(0, 7));
        if (text[7] != expected) throw EncodeError(EncodeErrorKind::InvalidData, WrongCheckDigit(text[7], expected), 7);
    }
    const std::string digits = CompleteUpcE(text);
    // Quiet zones 9 and 7 modules (ISO/IEC 15420 5.2.4). Six digits under their characters; the
    // number system digit left of the bars as UPC-A's, the check digit from 2 modules after them
    // (zint's placement).
    static constexpr EanUpcTextPlan kPlan{
        9, 7, 69, {{0, 3}, {45, 51}, {0, 0}}, 2, {{1, 6, 3, 42}, {0, 0, 0, 0}}, 1, true, -7, true, 55,
    };
    return EanUpcSymbol(EncodeUPCE(digits), digits, kPlan, options.extended_guard);
}
