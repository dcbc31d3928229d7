#include "core/render/svg_number.h"

#include <charconv>
#include <cmath>

namespace {

template <class T>
void AppendChars(std::string& out, T value) {
    char buf[64];
    const char* end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    out.append(buf, size_t(end - buf));
}

}  // namespace

// Thousandths as an integer, printed by hand: shortest-form double printing is several times
// slower, and a matrix symbol's path holds thousands of numbers.
void AppendSvgNumber(std::string& out, double value) {
    const double rounded = std::round(value * 1000.0);
    if (!(std::fabs(rounded) < 9e15)) {  // beyond exact integers: never a drawing's coordinate
        AppendChars(out, value);
        return;
    }
    long long milli = (long long)rounded;
    if (milli < 0) {
        out += '-';
        milli = -milli;
    }
    const long long whole = milli / 1000;
    const int fraction = int(milli % 1000);
    if (whole != 0 || fraction == 0) AppendChars(out, whole);
    if (fraction != 0) {
        const char digits[3] = {char('0' + fraction / 100), char('0' + fraction / 10 % 10), char('0' + fraction % 10)};
        size_t length = 3;
        while (digits[length - 1] == '0') --length;
        out += '.';
        out.append(digits, length);
    }
}

std::string SvgNumber(double value) {
    std::string s;
    AppendSvgNumber(s, value);
    return s;
}

double SvgRounded(double value) { return std::round(value * 1000.0) / 1000.0; }
