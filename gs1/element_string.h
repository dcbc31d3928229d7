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

// A malformed or invalid element string; what() is "<subject> at position <n><detail>", naming
// what is wrong and where. `Position()` is the byte index of the fault in the text the elements
// were read from; `MessageAt` words the message with another count of the same place (the
// caller's code points). `Kind()` tells a character outside its set from a fault of the data (the
// encode step reports both as EncodeError).
class GS1Error : public std::invalid_argument {
public:
    GS1Error(const std::string& subject, size_t position, const std::string& detail = "",
             EncodeErrorKind kind = EncodeErrorKind::InvalidData)
        : std::invalid_argument(Worded(subject, position, detail)),
          subject_(subject),
          detail_(detail),
          position_(position),
          kind_(kind) {}

    size_t Position() const { return position_; }
    EncodeErrorKind Kind() const { return kind_; }
    std::string MessageAt(size_t shown_position) const { return Worded(subject_, shown_position, detail_); }

private:
    static std::string Worded(const std::string& subject, size_t position, const std::string& detail) {
        return subject + " at position " + std::to_string(position) + detail;
    }

    std::string subject_, detail_;
    size_t position_;
    EncodeErrorKind kind_;
};

// The forms an element string is written in:
// - kBracketed: "(01)09501101530003(17)251231(10)ABC123", each AI in parentheses ('(' in data
//   written "\("); read also with square brackets, "[01]09501101530003[10]AB(C)" ('[' in data
//   written "\["; a '(' there is data);
// - kGS1_128: the GS1-128 class's input, "{FNC1}" before the first AI and after every field that
//   needs a separator, "{AI}" before the other AIs;
// - kDataBarExpanded: the GS1 DataBar Expanded class's input, the first AI bare, "{AI}" before
//   the others, "[" (FNC1) after every field that needs a separator.
enum class GS1Form { kBracketed, kGS1_128, kDataBarExpanded };

// Reads an element string in any of the three forms: bracketed when it starts with '(' or '[',
// GS1-128 when it starts with "{FNC1}", else DataBar Expanded. In the marker forms a field of an AI of
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

// Element data as the linear symbols carry it, one code per byte of data, kGS1Fnc1 for an FNC1
// (first, and after every field that needs a separator) and kGS1AiMark where an AI follows a
// field of predefined length (no symbol character; the human-readable text starts an AI there).
constexpr int kGS1Fnc1 = 256;
constexpr int kGS1AiMark = 257;
std::vector<int> GS1MarkedCodes(const std::vector<GS1Element>& elements);
// The same codes of a text written with the "{FNC1}" and "{AI}" markers, taken as they stand
// (nothing is checked or added); with `brackets_are_fnc1` a '[' is an FNC1 too.
std::vector<int> GS1MarkedCodes(const std::string& text, bool brackets_are_fnc1);

// The human-readable text of a text in the "{FNC1}"/"{AI}" marker form as it stands: the markers
// removed and the bytes after each, as many as GS1AiLengthAt gives for them (2 when they are not
// digits), in parentheses.
std::string GS1MarkedHumanText(const std::string& text);

// Human-readable text: every AI in parentheses at its full length, followed by its data.
std::string GS1HumanReadable(const std::vector<GS1Element>& elements);
