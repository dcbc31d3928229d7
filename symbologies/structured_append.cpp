#include "symbologies/structured_append.h"

#include <cstdlib>

#include "core/model/encode_error.h"

namespace {

[[noreturn]] void Refuse(const std::string& what) {
    throw EncodeError(EncodeErrorKind::InvalidOption, "structured_append " + what);
}

// A whole number of one or two digits, or -1.
int SmallNumber(const std::string& text) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::atoi(text.c_str());
}

}  // namespace

StructuredAppend ReadStructuredAppend(const std::string& text, int most_symbols) {
    if (text.empty()) return {};
    const size_t first = text.find(',');
    const size_t second = first == std::string::npos ? first : text.find(',', first + 1);
    if (first == std::string::npos)
        Refuse("\"" + text + "\" is not INDEX,COUNT or INDEX,COUNT,ID");
    StructuredAppend append;
    append.index = SmallNumber(text.substr(0, first));
    append.count = SmallNumber(text.substr(first + 1, second == std::string::npos ? second : second - first - 1));
    if (second != std::string::npos) append.id = text.substr(second + 1);
    const std::string most = std::to_string(most_symbols);
    if (append.count < 2 || append.count > most_symbols)
        Refuse("count \"" + text.substr(first + 1, second - first - 1) + "\" is not 2 to " + most + " symbols");
    if (append.index < 1 || append.index > append.count)
        Refuse("index \"" + text.substr(0, first) + "\" is not 1 to " + std::to_string(append.count));
    return append;
}
