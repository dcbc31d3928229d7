#pragma once
#include <stdexcept>
#include <string>

#include "core/classes/barcode_base_1d.h"

// A list of single-digit widths as one digit string, so tests can state whole patterns compactly.
inline std::string WidthsText(const ModuleWidths& widths) {
    std::string text;
    for (int w : widths) text += w >= 0 && w <= 9 ? char('0' + w) : '?';
    return text;
}

// The message `encode` throws for `code`, or "(no error)".
template <class Encoder>
std::string EncodeError(Encoder encode, const std::string& code) {
    try {
        encode(code);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(no error)";
}
