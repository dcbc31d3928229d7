#include "gs1/check_digit.h"

char GS1CheckDigit(const std::string& digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return char('0' + (10 - sum % 10) % 10);
}
