#include "symbologies/check_digits.h"

#include <cstring>

namespace {

// Code 39 characters in the order of their check values 0-42.
constexpr char kMod43Values[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

}  // namespace

char Mod43CheckCharacter(const std::string& characters) {
    int sum = 0;
    for (char c : characters) sum += int(std::strchr(kMod43Values, c) - kMod43Values);
    return kMod43Values[sum % 43];
}

int PznCheckValue(const std::string& digits) {
    const int first_weight = digits.size() == 6 ? 2 : 1;
    int sum = 0;
    for (size_t i = 0; i < digits.size(); ++i) sum += (digits[i] - '0') * (first_weight + int(i));
    return sum % 11;
}

char Code32CheckDigit(const std::string& digits) {
    int sum = 0;
    for (size_t i = 0; i < digits.size(); ++i) {
        const int d = digits[i] - '0';
        sum += i % 2 == 0 ? d : (2 * d) / 10 + (2 * d) % 10;
    }
    return char('0' + sum % 10);
}

char Mod10LuhnCheckDigit(const std::string& digits) {
    int sum = 0;
    bool doubled = true;  // the rightmost digit is doubled
    for (size_t i = digits.size(); i-- > 0; doubled = !doubled) {
        const int d = (digits[i] - '0') * (doubled ? 2 : 1);
        sum += d / 10 + d % 10;
    }
    return char('0' + (10 - sum % 10) % 10);
}

std::string Mod11CheckDigits(const std::string& digits, int top_weight) {
    int sum = 0;
    int weight = 2;
    for (size_t i = digits.size(); i-- > 0; weight = weight == top_weight ? 2 : weight + 1)
        sum += (digits[i] - '0') * weight;
    const int check = (11 - sum % 11) % 11;
    return std::to_string(check);
}

char Code11CheckCharacter(const std::string& characters, int top_weight) {
    int sum = 0;
    int weight = 1;
    for (size_t i = characters.size(); i-- > 0; weight = weight == top_weight ? 1 : weight + 1)
        sum += (characters[i] == '-' ? 10 : characters[i] - '0') * weight;
    const int check = sum % 11;
    return check == 10 ? '-' : char('0' + check);
}

char VinCheckDigit(const std::string& vin) {
    // Values of A-Z (I, O and Q never occur).
    static constexpr int kLetterValues[26] = {1, 2, 3, 4, 5, 6, 7, 8, 0, 1, 2, 3, 4, 5, 0, 7, 0, 9, 2, 3, 4, 5, 6, 7, 8, 9};
    static constexpr int kWeights[17] = {8, 7, 6, 5, 4, 3, 2, 10, 0, 9, 8, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (size_t i = 0; i < vin.size(); ++i) {
        const char c = vin[i];
        sum += (c >= '0' && c <= '9' ? c - '0' : kLetterValues[c - 'A']) * kWeights[i];
    }
    return sum % 11 == 10 ? 'X' : char('0' + sum % 11);
}
