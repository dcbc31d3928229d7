#include "symbologies/postal/yubin_customer.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/text_encoding/digits.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr char kCharset[] = "0123456789-ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Three bars per symbol character, indexed by its value: digits 0-9, hyphen 10, CC1-CC8 11-18.
constexpr char kPatterns[19][4] = {
    "144", "114", "132", "312", "123", "141", "321", "213", "231", "411",  // 0-9
    "414",                                                                 // -
    "324", "342", "234", "432", "243", "423", "441", "111",                // CC1-CC8
};
constexpr int kHyphen = 10;
constexpr int kControlCode1 = 11;
constexpr int kFiller = 14;  // CC4
constexpr int kCheckModulus = 19;
constexpr int kDataPositions = 20;
constexpr char kStart[] = "13";
constexpr char kStop[] = "31";

using DataValues = std::array<int, kDataPositions>;

// Symbol character values of the 20 data positions.
DataValues EncodeData(const std::string& text) {
    DataValues values;
    int used = 0;
    for (char raw : text) {
        if (used == kDataPositions) break;
        const char c = (raw >= 'a' && raw <= 'z') ? char(raw - 'a' + 'A') : raw;
        const void* found = std::memchr(kCharset, c, sizeof kCharset - 1);
        if (found == nullptr) continue;
        const int index = int(static_cast<const char*>(found) - kCharset);
        if (index <= kHyphen) {
            values[used++] = index;
            continue;
        }
        // A letter: the control code of its group of ten (A-J CC1, K-T CC2, U-Z CC3), then a digit.
        // A letter that no longer fits ends the data with CC1 in the last position, whatever its group.
        if (used == kDataPositions - 1) {
            values[used++] = kControlCode1;
            break;
        }
        values[used++] = kControlCode1 + (index - kHyphen - 1) / 10;
        values[used++] = (index - kHyphen - 1) % 10;
    }
    std::fill(values.begin() + used, values.end(), kFiller);
    return values;
}

}  // namespace

std::string EncodeYubinCustomer(const std::string& text) {
    const DataValues values = EncodeData(text);
    int sum = 0;
    std::string bars = kStart;
    bars.reserve(kYubinBarCount);
    for (int value : values) {
        sum += value;
        bars += kPatterns[value];
    }
    bars += kPatterns[(kCheckModulus - sum % kCheckModulus) % kCheckModulus];
    bars += kStop;
    return bars;
}

EncodedSymbol EncodeJapanPostSymbol(const std::string& text, const EncodeOptions&) {
    constexpr long kDataPositions = 20;
    RefuseLongerThan(text, kDataPositions);
    RefuseEmpty(text);
    long positions = 0;
    std::string upper = text;
    for (size_t i = 0; i < upper.size(); ++i) {
        char& c = upper[i];
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        const bool letter = c >= 'A' && c <= 'Z';
        if (!letter && !IsDigit(c) && c != '-')
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "the customer barcode takes digits, A-Z and -", long(i));
        positions += letter ? 2 : 1;
    }
    if (upper.size() < 7 || FirstNonDigit(upper.substr(0, 7)) != std::string::npos)
        throw EncodeError(EncodeErrorKind::InvalidData, "the data starts with the seven-digit postal code");
    if (positions > kDataPositions)
        throw EncodeError(EncodeErrorKind::TooLong,
                          "the data needs " + std::to_string(positions) + " of the 20 data positions (a letter takes two)",
                          -1, kDataPositions);

    const std::string bars = EncodeYubinCustomer(upper);
    EncodedSymbol symbol;
    symbol.shape = SymbolShape::Postal;
    symbol.width = 2 * kYubinBarCount - 1;
    const char* band_bars[3] = {"12", "1234", "13"};  // top, middle, bottom
    for (const char* shapes : band_bars) {
        SymbolRow row{std::vector<uint8_t>(size_t(symbol.width), 0), 2.0, {}};
        for (size_t b = 0; b < bars.size(); ++b)
            if (std::strchr(shapes, bars[b]) != nullptr) row.modules[2 * b] = 1;
        symbol.rows.push_back(std::move(row));
    }
    // 2 mm all round at the usual X of 0.6 mm: 3.33 modules, rounded up (Japan Post's manual).
    symbol.quiet_zone = ModuleMargins{4, 4, 4, 4};
    symbol.full_text = upper;
    return symbol;
}
