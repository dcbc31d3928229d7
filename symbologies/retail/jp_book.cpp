#include "symbologies/retail/jp_book.h"

#include <algorithm>
#include <string>

#include "core/model/encode_error.h"
#include "core/text_encoding/digits.h"
#include "symbologies/symbol_building.h"
#include "gs1/check_digit.h"
#include "symbologies/retail/book_numbers.h"
#include "symbologies/retail/jan13.h"
#include "symbologies/symbol_building.h"

namespace {

// At the customary module of 0.33 mm: bars 11 mm tall, 10 mm from the upper bars to the lower.
constexpr double kBarsEach = 11.0 / 0.33;
constexpr double kTierGap = 10.0 / 0.33;
constexpr double kQuietLeft = 11.0;
constexpr double kQuietRight = 7.0;
constexpr long kHighestPrice = 99999;
// The code's line is printed in any legible face, OCR-B being discouraged for it; the OCR-B face
// here also lacks the yen sign. The digits under the bars stay OCR-B.
constexpr TextFace kCaptionFace = TextFace::Roboto;
// Room for the ISBN with its name and hyphens, the C code and a price with yen sign and spaces.
constexpr std::size_t kLongestText = 64;

[[noreturn]] void BadCharacter(std::size_t at, const char* expected) {
    throw EncodeError(EncodeErrorKind::InvalidCharacter, std::string("expected ") + expected,
                      long(at));
}

void SkipSpaces(const std::string& text, std::size_t& at) {
    while (at < text.size() && text[at] == ' ') ++at;
}

// Skips a yen sign (U+00A5, U+FFE5 or a backslash) if one is at `at`.
void SkipYen(const std::string& text, std::size_t& at) {
    for (const char* sign : {"\xC2\xA5", "\xEF\xBF\xA5", "\\"}) {
        if (text.compare(at, std::char_traits<char>::length(sign), sign) == 0) {
            at += std::char_traits<char>::length(sign);
            return;
        }
    }
}

SymbolRow BarRow(const std::string& ean13) {
    SymbolRow row;
    row.modules = ModulesOfWidths(EncodeJan13(ean13));
    return row;
}

TextSpan DigitsUnder(const std::string& ean13, int row, int width) {
    TextSpan span;
    span.text = ean13;
    span.center_x = width / 2.0;
    span.below_row = row;
    span.spread_width = width;
    return span;
}

}  // namespace

JpBookCodes ParseJpBook(const std::string& text) {
    const std::size_t c = text.find_first_of("Cc");
    if (c == std::string::npos)
        throw EncodeError(EncodeErrorKind::InvalidData, "the C code is missing");
    const BookNumber isbn = ParseIsbn(text.substr(0, c));

    std::size_t at = c + 1;
    std::string classification;
    for (; classification.size() < 4; ++at) {
        if (at >= text.size()) throw EncodeError(EncodeErrorKind::InvalidData, "the C code has 4 digits");
        if (!IsDigit(text[at])) BadCharacter(at, "4 digits after C");
        classification += text[at];
    }
    SkipSpaces(text, at);
    SkipYen(text, at);
    long price = 0;
    std::string price_digits;  // without leading zeros
    const std::size_t price_start = at;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        price = std::min(price * 10 + (text[at] - '0'), kHighestPrice + 1);
        if (!price_digits.empty() || text[at] != '0') price_digits += text[at];
    }
    if (at == price_start) {
        if (at >= text.size()) throw EncodeError(EncodeErrorKind::InvalidData, "the price is missing");
        BadCharacter(at, "the price");
    }
    if (at < text.size() && text[at] == 'E') ++at;
    SkipSpaces(text, at);
    if (at < text.size()) BadCharacter(at, "nothing after the price");

    std::string yen = price > kHighestPrice ? "00000" : std::to_string(price);
    yen.insert(0, 5 - yen.size(), '0');
    const std::string lower = "192" + classification + yen;
    if (price_digits.empty()) price_digits = "0";
    return {isbn.ean13, lower + GS1CheckDigit(lower),
            "ISBN" + isbn.number + " C" + classification + " \xC2\xA5" + price_digits + "E"};
}

EncodedSymbol EncodeJpBookSymbol(const std::string& text, const EncodeOptions&) {
    RefuseLongerThan(text, kLongestText);
    const JpBookCodes codes = ParseJpBook(text);
    EncodedSymbol symbol;
    symbol.rows.push_back(BarRow(codes.upper));
    symbol.width = int(symbol.rows[0].modules.size());
    SymbolRow gap;
    gap.modules.assign(std::size_t(symbol.width), 0);
    gap.height = kTierGap;
    symbol.rows.push_back(gap);
    symbol.rows.push_back(BarRow(codes.lower));
    // The two bar rows share it equally.
    symbol.bar_height = 2 * kBarsEach;
    TextSpan caption;
    caption.text = codes.caption;
    caption.center_x = symbol.width / 2.0;
    caption.role = TextRole::Caption;
    caption.face = kCaptionFace;
    symbol.text = {caption, DigitsUnder(codes.upper, 0, symbol.width), DigitsUnder(codes.lower, 2, symbol.width)};
    symbol.face = TextFace::OcrB;
    symbol.quiet_zone = {kQuietLeft, 0.0, kQuietRight, 0.0};
    symbol.full_text = codes.upper + " " + codes.lower;
    return symbol;
}
