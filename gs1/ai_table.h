#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The GS1 Application Identifier table: every AI of the GS1 General Specifications with the
// format of its data.

// Characters a data component may hold: digits, GS1's 82-character set, its 39-character set
// (upper-case letters, digits, '#', '-', '/') and the URL-safe base64 set.
enum class GS1CharacterSet { kDigits, kSet82, kSet39, kBase64Url };

// Further rule a component's value must satisfy.
enum class GS1Linter { kNone, kCheckDigit, kDateDayZero, kDate, kLongDate, kHourMinute, kHour, kMinute, kSecond };

struct GS1Component {
    GS1CharacterSet set;
    int min_length;  // equal to max_length for a fixed-length component
    int max_length;
    bool optional;
    GS1Linter linter;
};

struct GS1AiFormat {
    std::string ai;
    // Whether a field of this AI needs FNC1 after it when another field follows: false only for
    // the AIs of predefined length.
    bool fnc1_required;
    std::vector<GS1Component> components;
    // Roles in a GS1 Digital Link URI: a data attribute may go in the query string; a primary key
    // heads the path, followed by key qualifiers that form a subsequence of one of its paths.
    bool dl_data_attribute = false;
    bool dl_primary_key = false;
    std::vector<std::vector<std::string>> dl_qualifier_paths;

    int MinLength() const;
    int MaxLength() const;
    // Fixed length of a predefined-length AI's data (0 for the others).
    int PredefinedLength() const;
};

// The format of the AI given as its 2 to 4 digits, or nothing for an unknown AI.
std::optional<GS1AiFormat> FindGS1Ai(const std::string& ai);

// Every AI of the table, in table order (ascending as digit strings within each length).
std::vector<std::string> AllGS1Ais();

// Length of the AI that starts at `pos`: every AI sharing its first two digits has the same
// length (2 when the table has none). 0 when `pos` does not start with two digits.
size_t GS1AiLengthAt(const std::string& text, size_t pos);
