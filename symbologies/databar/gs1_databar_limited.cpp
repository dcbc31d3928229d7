#include "symbologies/databar/gs1_databar_limited.h"

#include <algorithm>
#include <cstdint>

#include "core/model/encode_error.h"
#include "core/text_encoding/digits.h"
#include "gs1/check_digit.h"
#include "symbologies/databar/databar_symbol.h"

namespace {

constexpr DataBarCharacterGroup kGroups[7] = {
    {0, 17, 9, 6, 3, 28},           {183064, 13, 13, 5, 4, 728},  {820064, 9, 17, 3, 6, 6454},
    {1000776, 15, 11, 5, 4, 203},   {1491021, 11, 15, 4, 5, 2408}, {1979845, 19, 7, 8, 1, 1},
    {1996939, 7, 19, 1, 8, 16632},
};

// Weights of the left character's 14 elements, then the right character's.
constexpr int kChecksumWeights[28] = {1,  3,  9,  27, 81, 65, 17, 51, 64, 14, 42, 37, 22, 66,
                                      20, 60, 2,  6,  18, 54, 73, 41, 34, 13, 39, 28, 84, 74};

// Check character patterns by checksum (mod 89): 14 element widths, 18 modules each.
constexpr char kCheckPatterns[89][15] = {
    "11111111113311", "11111111123211", "11111111133111", "11111112113211", "11111112123111", "11111113113111",
    "11111211113211", "11111211123111", "11111212113111", "11111311113111", "11121111113211", "11121111123111",
    "11121112113111", "11121211113111", "11131111113111", "12111111113211", "12111111123111", "12111112113111",
    "12111211113111", "12121111113111", "13111111113111", "11111111212311", "11111111222211", "11111111232111",
    "11111112212211", "11111112222111", "11111113212111", "11111211212211", "11111211222111", "11111212212111",
    "11111311212111", "11121111212211", "11121111222111", "11121112212111", "11121211212111", "11131111212111",
    "12111111212211", "12111111222111", "12111112212111", "12111211212111", "12121111212111", "13111111212111",
    "11111111311311", "11111111321211", "11111112311211", "11121111311211", "12111111311211", "11111121112311",
    "11111121122211", "11111121132111", "11111122112211", "11121121112211", "11121121122111", "11121122112111",
    "11121221112111", "11131121112111", "12111121112211", "12111121122111", "12121121112111", "11112111112311",
    "11112111122211", "11112111132111", "11112112112211", "11112112122111", "11112211112211", "12112111112211",
    "12112111122111", "12112112112111", "12112211112111", "12122111112111", "13112111112111", "11211111112311",
    "11211111122211", "11211111132111", "11211112112211", "11211112122111", "11211113112111", "11211211112211",
    "11211211122111", "11221111112211", "21111111122211", "21111111132111", "21111112112211", "21111112122111",
    "21111113112111", "21111211122111", "21111212112111", "21121111122111", "21111111221211",
};

// The 14 element widths of one data character, odd and even subsets interleaved.
std::vector<int> CharacterWidths(int value) {
    DataBarCharacterSet set;
    set.groups = kGroups;
    set.group_count = 7;
    set.elements = 7;
    set.odd_value_slowest = true;
    set.odd_no_narrow = true;
    return DataBarCharacterWidths(value, set);
}

}  // namespace

DataBarLimitedSymbol EncodeGS1DataBarLimited(const std::string& code, bool linked) {
    if (const size_t bad = FirstNonDigit(code); bad != std::string::npos)
        throw EncodeError(EncodeErrorKind::InvalidCharacter, "GS1 DataBar Limited requires numeric digits only",
                          long(bad));
    if (code.size() > 13) throw EncodeError(EncodeErrorKind::TooLong, "Input must be 8-13 digits", -1, 13);
    if (code.size() < 8) throw EncodeError(EncodeErrorKind::InvalidData, "Input must be 8-13 digits");
    const std::string body = std::string(13 - code.size(), '0') + code;
    if (body[0] != '0' && body[0] != '1')
        throw EncodeError(EncodeErrorKind::InvalidData,
                          "GS1 DataBar Limited requires leading digit 0 or 1 after padding", code.size() == 13 ? 0 : -1);

    DataBarLimitedSymbol s;
    s.digits = body + GS1CheckDigit(body);
    const int64_t value = std::stoll(body) + (linked ? 2015133531096 : 0);
    s.left_value = int(value / 2013571);
    s.right_value = int(value % 2013571);
    const std::vector<int> left = CharacterWidths(s.left_value);
    const std::vector<int> right = CharacterWidths(s.right_value);

    int checksum = 0;
    for (int i = 0; i < 14; ++i) checksum += left[i] * kChecksumWeights[i] + right[i] * kChecksumWeights[14 + i];
    s.checksum = checksum % 89;

    ModuleWidths& e = s.elements;
    e = {1, 1};
    e.insert(e.end(), left.begin(), left.end());
    for (const char* p = kCheckPatterns[s.checksum]; *p != '\0'; ++p) e.push_back(*p - '0');
    e.insert(e.end(), right.begin(), right.end());
    e.insert(e.end(), {1, 1});
    return s;
}

EncodedSymbol EncodeDataBarLimitedSymbol(const std::string& text, const EncodeOptions&) {
    const std::string digits = GtinDataDigits(text);
    const DataBarLimitedSymbol symbol = EncodeGS1DataBarLimited(digits);
    std::vector<DataBarRow> rows{DataBarRow{{}, -1}};
    AppendElements(rows[0].modules, symbol.elements, false);
    // Default height: the least ISO/IEC 24724 allows, 10 modules.
    return DataBarSymbol(rows, 10, "(01)" + symbol.digits);
}
