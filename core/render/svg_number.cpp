#include "core/render/svg_number.h"

#include <charconv>
#include <cmath>

void AppendSvgNumber(std::string& out, double value) {
    double rounded = std::round(value * 1000.0) / 1000.0;
    if (rounded == 0.0) rounded = 0.0;
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, rounded);
    const char* begin = buf;
    if (rounded < 0.0) out += *begin++;
    if (begin[0] == '0' && begin + 1 < result.ptr) ++begin;  // "0.5" -> ".5"
    out.append(begin, static_cast<const char*>(result.ptr));
}

std::string SvgNumber(double value) {
    std::string s;
    AppendSvgNumber(s, value);
    return s;
}
