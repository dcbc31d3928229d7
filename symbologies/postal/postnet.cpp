#include "symbologies/postal/postnet.h"

#include <algorithm>
#include <initializer_list>

#include "core/model/encode_error.h"
#include "core/text_encoding/digits.h"
#include "symbologies/postal/postal_bars.h"
#include "symbologies/symbol_building.h"

namespace {

// POSTNET's tall bars by digit (weights 7 4 2 1 0); PLANET swaps tall and short.
constexpr char kPostnetDigits[10][6] = {"FFTTT", "TTTFF", "TTFTF", "TTFFT", "TFTTF",
                                        "TFTFT", "TFFTT", "FTTTF", "FTTFT", "FTFTT"};

EncodedSymbol HeightModulatedSymbol(const char* name, const std::string& text, std::initializer_list<size_t> lengths,
                                    bool planet) {
    RefuseLongerThan(text, *std::max_element(lengths.begin(), lengths.end()) + 1);
    RefuseEmpty(text);
    const size_t bad = FirstNonDigit(text);
    if (bad != std::string::npos)
        throw EncodeError(EncodeErrorKind::InvalidCharacter, std::string(name) + " takes digits only", long(bad));
    const bool with_check = std::find(lengths.begin(), lengths.end(), text.size() - 1) != lengths.end();
    if (!with_check && std::find(lengths.begin(), lengths.end(), text.size()) == lengths.end()) {
        std::string accepted;
        for (size_t n : lengths) {
            const bool last = n == *(lengths.end() - 1);
            accepted += (accepted.empty() ? "" : last ? " or " : ", ") + std::to_string(n);
        }
        throw EncodeError(EncodeErrorKind::InvalidData, std::string(name) + " takes " + accepted +
                                                            " digits (one more: with the check digit), not " +
                                                            std::to_string(text.size()));
    }
    const std::string data = with_check ? text.substr(0, text.size() - 1) : text;
    int sum = 0;
    for (char c : data) sum += c - '0';
    const char check = char('0' + (10 - sum % 10) % 10);
    if (with_check && text.back() != check)
        throw EncodeError(EncodeErrorKind::InvalidData,
                          std::string("the check digit is ") + check + ", not " + text.back(), long(text.size() - 1));

    std::string bars(1, kFullBar);
    for (char c : data + check)
        for (const char* b = kPostnetDigits[c - '0']; *b; ++b)
            bars += planet ? (*b == kFullBar ? kTracker : kFullBar) : *b;
    bars += kFullBar;
    constexpr double kX = kMmPerInch / 44;
    constexpr double kTall = ModulesOf(0.125 * kMmPerInch, kX), kShort = ModulesOf(0.050 * kMmPerInch, kX);
    return PostalSymbol(bars, {{"F", kTall - kShort}, {"FT", kShort}},
                        QuietZoneOf(0.125 * kMmPerInch, 0.04 * kMmPerInch, kX), data + check);
}

}  // namespace

EncodedSymbol EncodePostnetSymbol(const std::string& text, const EncodeOptions&) {
    return HeightModulatedSymbol("POSTNET", text, {5, 9, 11}, false);
}

EncodedSymbol EncodePlanetSymbol(const std::string& text, const EncodeOptions&) {
    return HeightModulatedSymbol("PLANET", text, {11, 13}, true);
}

EncodedSymbol EncodeCepnetSymbol(const std::string& text, const EncodeOptions&) {
    return HeightModulatedSymbol("CEPNet", text, {8}, false);
}
