#include "symbologies/postal/auspost.h"

#include <cstring>
#include <vector>

#include "core/ecc/binary_field.h"
#include "core/model/encode_error.h"
#include "core/text_encoding/digits.h"
#include "symbologies/postal/postal_bars.h"
#include "symbologies/symbol_building.h"

namespace {

// Bar values 0-3 as Australia Post numbers them.
constexpr char kBarOfValue[] = {kFullBar, kAscender, kDescender, kTracker};
// The C table: each character's value (three bars, base 4, first bar most significant).
constexpr char kCTable[] = "ABC DEF#GHIabcdeJKLfMNOgPQRhijklSTUmVWXnYZ0opqrs123t456u789vwxyz";
static_assert(sizeof kCTable == 65, "64 characters");

constexpr int kDpidDigits = 8;
constexpr int kCheckSymbols = 4;

void AppendBase4(std::vector<int>& values, int value, int bars) {
    for (int b = bars - 1; b >= 0; --b) values.push_back((value >> (2 * b)) & 3);
}

// N table: a digit in two bars (0 is 00, 9 is 30).
void AppendDigits(std::vector<int>& values, const std::string& digits) {
    for (char c : digits) {
        const int d = c - '0';
        values.push_back(d / 3);
        values.push_back(d % 3);
    }
}

void RefuseNonDigits(const std::string& text, size_t from, size_t to, const char* what) {
    for (size_t i = from; i < to; ++i)
        if (!IsDigit(static_cast<unsigned char>(text[i])))
            throw EncodeError(EncodeErrorKind::InvalidCharacter, std::string(what) + " has digits only", long(i));
}

// The whole symbol from the FCC, the text (DPID first) and the bars of the customer information
// field (one filler tracker in the formats without one), what the data leaves filled with trackers.
EncodedSymbol AusPostSymbol(const char* fcc, const std::string& text, int customer_bars, bool n_table) {
    RefuseNonDigits(text, 0, kDpidDigits, "the DPID");
    std::vector<int> values;
    AppendDigits(values, fcc);
    AppendDigits(values, text.substr(0, kDpidDigits));
    const std::string customer = text.substr(kDpidDigits);
    if (n_table) {
        AppendDigits(values, customer);
    } else {
        for (size_t i = 0; i < customer.size(); ++i) {
            const void* found = std::memchr(kCTable, customer[i], 64);
            if (found == nullptr || customer[i] == '\0')
                throw EncodeError(EncodeErrorKind::InvalidCharacter,
                                  "customer information takes 0-9, A-Z, a-z, space and #", long(kDpidDigits + i));
            AppendBase4(values, int(static_cast<const char*>(found) - kCTable), 3);
        }
    }
    values.resize(size_t(4 + 2 * kDpidDigits + customer_bars), 3);  // filled with trackers
    std::vector<uint16_t> symbols;
    for (size_t i = 0; i < values.size(); i += 3) symbols.push_back(uint16_t(values[i] * 16 + values[i + 1] * 4 + values[i + 2]));
    // Reed-Solomon over GF(64), x^6 + x + 1.
    static const BinaryField field(6, 0x43);
    for (uint16_t check : field.CheckWords(symbols, kCheckSymbols)) AppendBase4(values, check, 3);

    std::string bars = "AT";  // start: 1 3
    for (int v : values) bars += kBarOfValue[v];
    bars += "AT";  // stop: 1 3
    // 22 bars to the inch (a module is half the pitch); tracker 1.3 mm, ascender and descender
    // 1.85 mm, 5 mm a full bar; quiet zones 6 mm each side and 2 mm above and below.
    constexpr double kX = kMmPerInch / 44;
    constexpr FourStateHeights kHeights = {ModulesOf(1.85, kX), ModulesOf(1.3, kX), ModulesOf(1.85, kX)};
    return FourStateSymbol(bars, kHeights, QuietZoneOf(6.0, 2.0, kX), text);
}

EncodedSymbol DpidOnlySymbol(const char* fcc, const std::string& text) {
    RefuseLongerThan(text, kDpidDigits);
    RefuseEmpty(text);
    RefuseNonDigits(text, 0, text.size(), "the DPID");
    if (text.size() != kDpidDigits)
        throw EncodeError(EncodeErrorKind::InvalidData, "the DPID has 8 digits, not " + std::to_string(text.size()));
    return AusPostSymbol(fcc, text, 1, true);
}

}  // namespace

EncodedSymbol EncodeAusPostSymbol(const std::string& text, const EncodeOptions&) {
    RefuseLongerThan(text, 23);
    RefuseEmpty(text);
    switch (text.size()) {
        case 8: return AusPostSymbol("11", text, 1, true);
        case 13: return AusPostSymbol("59", text, 16, false);
        case 16:
            RefuseNonDigits(text, kDpidDigits, text.size(), "N-table customer information");
            return AusPostSymbol("59", text, 16, true);
        case 18: return AusPostSymbol("62", text, 31, false);
        case 23:
            RefuseNonDigits(text, kDpidDigits, text.size(), "N-table customer information");
            return AusPostSymbol("62", text, 31, true);
        default:
            RefuseNonDigits(text, 0, std::min<size_t>(text.size(), kDpidDigits), "the DPID");
            throw EncodeError(EncodeErrorKind::InvalidData,
                              "the data has 8 (DPID), 13 or 16 (customer barcode 2), 18 or 23 (customer barcode 3) "
                              "characters, not " + std::to_string(text.size()));
    }
}

EncodedSymbol EncodeAusPostReplySymbol(const std::string& text, const EncodeOptions&) {
    return DpidOnlySymbol("45", text);
}

EncodedSymbol EncodeAusPostRouteSymbol(const std::string& text, const EncodeOptions&) {
    return DpidOnlySymbol("87", text);
}

EncodedSymbol EncodeAusPostRedirectSymbol(const std::string& text, const EncodeOptions&) {
    return DpidOnlySymbol("92", text);
}
