#pragma once
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/model/encode_error.h"

// GS1 element strings: application identifiers (AIs) and their data, read from the forms users
// and the symbologies write, and written back in each of them.

// One field of an element string. The positions are indices into the text it was read from.
struct GS1Element {
    std::string ai;
    std::string data;
    size_t ai_position = 0;
    size_t data_position = 0;
};

// A malformed or invalid element string; what() names what is wrong and where. `Position()` is
// the byte index of the fault in the text the elements were read from; `Kind()` tells a character
// outside its set from a fault of the data (the encode step reports both as EncodeError).
class GS1Error : public std::invalid_argument {
public:
    GS1Error(const std::string& what, size_t position, EncodeErrorKind kind = EncodeErrorKind::InvalidData)
        : std::invalid_argument(what), position_(position), kind_(kind) {}

    size_t Position() const { return position_; }
    EncodeErrorKind Kind() const { return kind_; }

private:
    size_t position_;
    EncodeErrorKind kind_;
};

// The forms an element string is written in:
// - kBracketed: "(01)09501101530003(17)251231(10)ABC123", each AI in parentheses ('(' in data
//   written "\(");
// - kGS1_128: the GS1-128 class's input, "{FNC1}" before the first AI and after every field that
//   needs a separator, "{AI}" before the other AIs;
// - kDataBarExpanded: the GS1 DataBar Expanded class's input, the first AI bare, "{AI}" before
//   the others, "[" (FNC1) after every field that needs a separator.
enum class GS1Form { kBracketed, kGS1_128, kDataBarExpanded };

// Reads an element string in any of the three forms: bracketed when it starts with '(', GS1-128
// when it starts with "{FNC1}", else DataBar Expanded. In the marker forms a field of an AI of
// predefined length ends after that length, any other field at the next separator. Throws
// GS1Error for text that is not an element string (syntax only: AIs are not looked up beyond
// their length, data is not checked).
std::vector<GS1Element> ParseGS1(const std::string& text);

// Reads element data as a reader delivers it: without the leading FNC1, `separator` standing for
// every other FNC1. Never fails: a field cut short keeps what there is.
std::vector<GS1Element> ParseGS1Raw(const std::string& data, char separator);

// Writes the elements in a form; the GS1-128 and DataBar Expanded forms put a separator after
// every field whose AI needs one (unknown AIs included) unless it is the last.
std::string FormatGS1(const std::vector<GS1Element>& elements, GS1Form form);

// The element data with `separator` after every field that needs one: what the matrix symbols
// carry after their leading FNC1.
std::string GS1Data(const std::vector<GS1Element>& elements, char separator);

// Human-readable text: every AI in parentheses at its full length, followed by its data.
std::string GS1HumanReadable(const std::vector<GS1Element>& elements);
