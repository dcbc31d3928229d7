#include "symbologies/databar/databar_expanded_bits.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/text_encoding/ascii.h"
#include "core/text_encoding/digits.h"
#include "gs1/check_digit.h"
#include "gs1/element_string.h"
#include "symbologies/bit_string.h"

namespace {

const char kInvalidCharacters[] = "Invalid characters in input data";
// The most the symbol holds: 74 digits (fewer of anything else).
constexpr long kMostDigits = 74;

bool AllDigits(const std::string& s, size_t pos, size_t count) {
    return pos + count <= s.size() && FirstNonDigit(s.substr(0, pos + count), pos) == std::string::npos;
}

int Number(const std::string& s, size_t pos, size_t count) {
    int value = 0;
    for (size_t i = pos; i < pos + count; ++i) value = value * 10 + (s[i] - '0');
    return value;
}

// Bits still needed to fill the symbol: at least three data characters, then whole ones, and one
// more when the last row of a stacked symbol would hold a lone symbol character (the data
// characters and the check character count).
int PaddingNeeded(size_t length, int row_characters) {
    const size_t pad = length < 36 ? 36 - length : (12 - length % 12) % 12;
    const bool lone_last = row_characters > 0 && ((length + pad) / 12 + 1) % size_t(row_characters) == 1;
    return int(pad + (lone_last ? 12 : 0));
}

// ---- general-purpose field ----

enum class Kind { kNumeric, kAlphanumeric, kIso646 };

Kind KindOf(unsigned char c) {
    if (IsDigit(char(c)) || c == '[') return Kind::kNumeric;
    if (IsUpper(c) || OneOf(char(c), "*,-./")) return Kind::kAlphanumeric;
    // "]" has no value in any mode; refusing it beats silently dropping it.
    if (c < ' ' || c > 'z' || OneOf(char(c), "#$@\\^`]"))
        throw ExpandedInputError(kInvalidCharacters, EncodeErrorKind::InvalidCharacter);
    return Kind::kIso646;
}

struct Block {
    Kind mode;
    size_t start, length;
};

// Splits the field into runs of one character kind and chooses each run's encoding mode, so that
// short runs do not pay for a mode change they would not earn back.
std::vector<Block> PlanModes(const std::string& field) {
    std::vector<Kind> kinds;
    for (char c : field) kinds.push_back(KindOf(static_cast<unsigned char>(c)));
    // An FNC1 after a non-numeric character stays in that character's mode.
    for (size_t i = 1; i < field.size(); ++i)
        if (field[i] == '[' && kinds[i - 1] == Kind::kIso646) kinds[i] = Kind::kIso646;
    for (size_t i = 1; i < field.size(); ++i)
        if (field[i] == '[' && kinds[i - 1] == Kind::kAlphanumeric) kinds[i] = Kind::kAlphanumeric;

    // An FNC1 leaves any mode for numeric mode, so it ends its run and what follows (usually the
    // digits of the next application identifier) is planned from numeric mode. Readers rely on
    // this: they take a latch right after an FNC1 for a stray numeric latch.
    std::vector<Block> runs;
    for (size_t i = 0; i < field.size(); ++i) {
        if (runs.empty() || kinds[i] != kinds[runs.back().start] || field[i - 1] == '[')
            runs.push_back({kinds[i], i, 0});
        ++runs.back().length;
    }
    for (size_t b = 0; b < runs.size(); ++b) {
        Block& run = runs[b];
        const Kind kind = kinds[run.start];
        const bool restart = b == 0 || field[run.start - 1] == '[';
        const Kind previous = restart ? Kind::kNumeric : runs[b - 1].mode;
        const bool last = b + 1 == runs.size();
        if (kind == Kind::kAlphanumeric && previous == Kind::kIso646) {
            run.mode = run.length < 5 ? Kind::kIso646 : Kind::kAlphanumeric;
        } else if (kind == Kind::kNumeric && previous == Kind::kIso646) {
            run.mode = run.length < 4 ? Kind::kIso646 : Kind::kNumeric;
        } else if (kind == Kind::kNumeric && previous == Kind::kAlphanumeric) {
            run.mode = run.length >= 6 || (last && run.length >= 4) ? Kind::kNumeric : Kind::kAlphanumeric;
        } else {
            run.mode = kind;
        }
    }

    std::vector<Block> blocks;
    for (const Block& run : runs) {
        if (!blocks.empty() && blocks.back().mode == run.mode) {
            blocks.back().length += run.length;
        } else {
            blocks.push_back(run);
        }
    }
    // Numeric mode takes pairs: an odd numeric block hands its last character on.
    for (size_t b = 0; b + 1 < blocks.size(); ++b) {
        if (blocks[b].mode == Kind::kNumeric && blocks[b].length % 2 == 1) {
            --blocks[b].length;
            --blocks[b + 1].start;
            ++blocks[b + 1].length;
        }
    }
    return blocks;
}

void SwitchMode(std::string& bits, Kind& current, Kind wanted) {
    if (current == wanted) return;
    if (wanted == Kind::kNumeric) {
        bits += "000";
    } else if (current == Kind::kNumeric) {
        bits += wanted == Kind::kAlphanumeric ? "0000" : "000000100";
    } else {
        bits += "00100";  // alphanumeric <-> ISO/IEC 646
    }
    current = wanted;
}

int NumericValue(char c) { return c == '[' ? 10 : c - '0'; }

void AppendAlphanumeric(std::string& bits, char c) {
    if (IsDigit(c)) {
        AppendBits(bits, c - '0' + 5, 5);
    } else if (IsUpper(c)) {
        AppendBits(bits, c - 33, 6);
    } else {
        AppendBits(bits, 0x3A + int(std::strchr("*,-./", c) - "*,-./"), 6);
    }
}

void AppendIso646(std::string& bits, char c) {
    static const char kPunctuation[] = "!\"%&'()*+,-./:;<=>?_ ";
    if (IsDigit(c)) {
        AppendBits(bits, c - '0' + 5, 5);
    } else if (IsUpper(c)) {
        AppendBits(bits, c - 1, 7);
    } else if (IsLower(c)) {
        AppendBits(bits, c - 7, 7);
    } else {
        AppendBits(bits, 0xE8 + int(std::strchr(kPunctuation, c) - kPunctuation), 8);
    }
}

// ---- encodation methods ----

// Methods 3 to 14 compress a variable-measure GTIN (indicator 9) with a weight, price or date.
int CompressedMethod(const std::string& d) {
    if (d.size() <= 19 || d[2] != '9' || d[16] != '3') return 0;
    const std::string ai = d.substr(16, 3);
    const char x = d[19];
    if (ai == "392" && x >= '0' && x <= '3') return 5;
    if (ai == "393" && x >= '0' && x <= '3' && AllDigits(d, 20, 3)) return 6;
    if ((ai != "310" && ai != "320") || !AllDigits(d, 19, 7)) return 0;
    const int weight = Number(d, 20, 6);
    if (d.size() == 26) {
        if (ai == "310" && x == '3' && weight <= 32767) return 3;
        if (ai == "320" && ((x == '3' && weight <= 22767) || (x == '2' && weight <= 9999))) return 4;
        return 0;
    }
    // The date must be one the 16-bit form can carry: months 1-12, day 0 (none) to 31.
    if (d.size() != 34 || weight >= 99999 || d[26] != '1' || !OneOf(d[27], "1357") || !AllDigits(d, 28, 6))
        return 0;
    const int month = Number(d, 30, 2), day = Number(d, 32, 2);
    if (month < 1 || month > 12 || day > 31) return 0;
    return 7 + (d[27] - '1') + (ai == "320" ? 1 : 0);
}

// A price AI (392x, or 393x after its currency) without digits would make the reader take the
// padding for digits.
void RefuseEmptyPrices(const std::vector<GS1Element>& elements) {
    for (const GS1Element& e : elements) {
        if (e.ai.size() != 4 || (e.ai.compare(0, 3, "392") != 0 && e.ai.compare(0, 3, "393") != 0)) continue;
        const size_t currency = e.ai[2] == '3' ? 3 : 0;
        if (e.data.size() <= currency) throw ExpandedInputError("No price digits after AI (" + e.ai + ")");
    }
}

}  // namespace

bool AppendGeneralField(std::string& bits, const std::string& field, int row_characters) {
    for (size_t i = 1; i < field.size(); ++i)
        if (field[i] == '[' && field[i - 1] == '[') throw ExpandedInputError(kInvalidCharacters);  // empty field
    const std::vector<Block> blocks = PlanModes(field);
    Kind current = Kind::kNumeric;
    for (size_t b = 0; b < blocks.size(); ++b) {
        const Block& block = blocks[b];
        const size_t end = block.start + block.length;
        if (block.mode == Kind::kNumeric) {
            const size_t pairs_end = block.start + block.length / 2 * 2;
            for (size_t i = block.start; i < pairs_end; i += 2) {
                SwitchMode(bits, current, Kind::kNumeric);
                AppendBits(bits, 11 * NumericValue(field[i]) + NumericValue(field[i + 1]) + 8, 7);
            }
            if (pairs_end == end) continue;
            // A lone last character (only the final block can have one).
            const char c = field[pairs_end];
            if (c == '[') {
                // A lone FNC1 has no numeric form: write it in alphanumeric mode, which returns to numeric.
                if (current == Kind::kNumeric) bits += "0000";
                bits += "01111";
                current = Kind::kNumeric;
            } else if (current != Kind::kNumeric) {
                AppendBits(bits, c - '0' + 5, 5);
            } else {
                const int pad = PaddingNeeded(bits.size(), row_characters);
                if (pad >= 4 && pad <= 6) {
                    AppendBits(bits, c - '0' + 1, 4);
                } else {
                    AppendBits(bits, 11 * (c - '0') + 18, 7);  // the digit paired with FNC1
                }
            }
            continue;
        }
        for (size_t i = block.start; i < end; ++i) {
            SwitchMode(bits, current, block.mode);
            if (field[i] == '[') {
                bits += "01111";  // FNC1 returns to numeric mode
                current = Kind::kNumeric;
            } else if (block.mode == Kind::kAlphanumeric) {
                AppendAlphanumeric(bits, field[i]);
            } else {
                AppendIso646(bits, field[i]);
            }
        }
    }
    return current == Kind::kNumeric;
}

ExpandedInput::ExpandedInput(std::vector<GS1Element> read) : data(GS1Data(read, '[')), elements(std::move(read)) {}

ExpandedInput::ExpandedInput(const std::string& code) {
    for (size_t i = 0; i < code.size();) {
        if (code.compare(i, 4, "{AI}") == 0) {
            i += 4;
        } else {
            data += code[i++];
        }
    }
    elements = ParseGS1Raw(data, '[');
}

ExpandedBits EncodeExpandedBits(const ExpandedInput& input, int row_characters, bool linked) {
    const std::string& d = input.data;
    const std::vector<GS1Element>& elements = input.elements;
    ExpandedBits out;
    const bool gtin_first = d.size() > 15 && d.compare(0, 2, "01") == 0;
    out.method = gtin_first ? 1 : 2;
    if (gtin_first) {
        if (const int m = CompressedMethod(d)) out.method = m;
    }
    // The fixed-length part is compressed as numbers: it must be digits, and the GTIN's check
    // digit, which the symbol does not carry, must be right or the reader would show another one.
    static const size_t kFixedLength[15] = {0, 16, 0, 26, 26, 20, 23, 34, 34, 34, 34, 34, 34, 34, 34};
    const size_t fixed = kFixedLength[out.method];
    if (!AllDigits(d, 0, fixed)) throw ExpandedInputError(kInvalidCharacters, EncodeErrorKind::InvalidCharacter);
    if (fixed > 0 && d[15] != GS1CheckDigit(d.substr(2, 13))) throw ExpandedInputError("Invalid check digit");
    RefuseEmptyPrices(elements);
    const bool identifiers = std::all_of(elements.begin(), elements.end(), [](const GS1Element& e) {
        return e.ai.size() >= 2 && std::all_of(e.ai.begin(), e.ai.end(), IsDigit);
    });
    out.human_readable = identifiers ? GS1HumanReadable(elements) : d;

    std::string& bits = out.bits;
    bits = linked ? "1" : "0";  // linkage flag: whether a composite component stands above
    switch (out.method) {
    case 1: bits += "1XX"; break;
    case 2: bits += "00XX"; break;
    case 3: bits += "0100"; break;
    case 4: bits += "0101"; break;
    case 5: bits += "01100XX"; break;
    case 6: bits += "01101XX"; break;
    default: bits += "0111"; AppendBits(bits, out.method - 7, 3); break;
    }
    if (out.method == 1) AppendBits(bits, d[2] - '0', 4);
    if (out.method != 2)
        for (size_t i = 3; i < 15; i += 3) AppendBits(bits, Number(d, i, 3), 10);
    if (out.method == 3) AppendBits(bits, Number(d, 20, 6), 15);
    if (out.method == 4) AppendBits(bits, Number(d, 20, 6) + (d[19] == '3' ? 10000 : 0), 15);
    if (out.method == 5 || out.method == 6) AppendBits(bits, d[19] - '0', 2);
    if (out.method == 6) AppendBits(bits, Number(d, 20, 3), 10);
    if (out.method >= 7) {
        AppendBits(bits, (d[19] - '0') * 100000 + Number(d, 21, 5), 20);
        AppendBits(bits, Number(d, 28, 2) * 384 + (Number(d, 30, 2) - 1) * 32 + Number(d, 32, 2), 16);
    }

    const bool general = out.method <= 2 || out.method == 5 || out.method == 6;
    const std::string field = general ? d.substr(fixed) : std::string();
    // An empty or absent general-purpose field ends in numeric mode, its initial mode.
    const bool ends_numeric = field.empty() || AppendGeneralField(bits, field, row_characters);
    if (bits.size() > 252) throw ExpandedInputError("Input too long", EncodeErrorKind::TooLong, kMostDigits);

    std::string pad = ends_numeric ? "0000" : "";
    while (pad.size() < 48) pad += "00100";
    bits += pad.substr(0, size_t(PaddingNeeded(bits.size(), row_characters)));
    // The stacked form's extra character.
    if (bits.size() > 252) throw ExpandedInputError("Input too long", EncodeErrorKind::TooLong, kMostDigits);

    const size_t length_bits = bits.find("XX");
    if (length_bits != std::string::npos) {
        bits[length_bits] = (bits.size() / 12) % 2 == 1 ? '0' : '1';
        bits[length_bits + 1] = bits.size() <= 156 ? '0' : '1';
    }
    return out;
}
