#pragma once
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "gs1/element_string.h"

// The data of a GS1 DataBar Expanded symbol as a bit string: the encodation method chosen by the
// leading application identifiers, its compressed fields, the general-purpose field, padding and
// the variable-length bits.

// Invalid data for the symbology ("Invalid characters in input data", "Input too long", ...),
// as opposed to an internal failure.
class ExpandedInputError : public EncodeError {
public:
    explicit ExpandedInputError(const std::string& message, EncodeErrorKind kind = EncodeErrorKind::InvalidData,
                                long capacity = -1)
        : EncodeError(kind, message, -1, capacity) {}
};

struct ExpandedBits {
    int method = 0;              // 1 to 14, as numbered by the method headers "1", "00", "0100", ...
    std::string bits;            // '0'/'1', a multiple of 12 long, at least 36
    std::string human_readable;  // application identifiers in parentheses
};

// What the symbol carries: the element data with '[' for FNC1, and its fields.
struct ExpandedInput {
    std::string data;
    std::vector<GS1Element> elements;

    // Elements read and checked by the GS1 reader.
    explicit ExpandedInput(std::vector<GS1Element> read);
    // The class's input as it stands: "{AI}" before every application identifier after the first
    // and "[" for FNC1; the fields are taken from it unchecked.
    ExpandedInput(const std::string& code);  // NOLINT(google-explicit-constructor): the class's text
    ExpandedInput(const char* code) : ExpandedInput(std::string(code)) {}  // NOLINT
};

// `row_characters`: symbol characters per row of a stacked symbol (twice its columns), 0 for one
// row; the padding keeps at least two in the last row. Throws ExpandedInputError for data it
// cannot encode. `linked`: the linkage flag, set when a composite component stands above.
ExpandedBits EncodeExpandedBits(const ExpandedInput& input, int row_characters = 0, bool linked = false);

// The general-purpose field alone, appended to `bits` (which holds what precedes it). Returns
// true when the field ends in numeric mode. Throws ExpandedInputError on invalid characters.
bool AppendGeneralField(std::string& bits, const std::string& field, int row_characters = 0);
