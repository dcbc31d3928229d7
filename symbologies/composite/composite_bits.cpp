#include "symbologies/composite/composite_bits.h"

#include <cstring>

#include "core/model/encode_error.h"
#include "core/text_encoding/ascii.h"
#include "core/text_encoding/digits.h"
#include "symbologies/bit_string.h"

namespace {

constexpr char kGs = '\x1D';

enum class Mode { Numeric, Alphanumeric, Iso646 };
enum Type { kInvalid, kNumeric, kAlphanumeric, kIso646 };

constexpr char kAlphanumericPunctuation[] = "*,-./";
constexpr char kIso646Punctuation[] = "!\"%&'()*+,-./:;<=>?_ ";

int IndexIn(const char* set, char c) { return int(std::strchr(set, c) - set); }

// A character in alphanumeric or ISO/IEC 646 mode: digits have the same 5-bit values in both,
// letters and punctuation each mode's own. Lower case comes only in ISO/IEC 646 mode, as
// alphanumeric mode latches to it first.
void AppendCharacter(std::string& bits, char c, Mode mode) {
    const bool iso646 = mode == Mode::Iso646;
    if (IsDigit(c)) {
        AppendBits(bits, c - '0' + 5, 5);
    } else if (IsUpper(c)) {
        AppendBits(bits, c - 'A' + (iso646 ? 64 : 32), iso646 ? 7 : 6);
    } else if (IsLower(c)) {
        AppendBits(bits, c - 'a' + 90, 7);
    } else if (iso646) {
        AppendBits(bits, IndexIn(kIso646Punctuation, c) + 232, 8);
    } else {
        AppendBits(bits, IndexIn(kAlphanumericPunctuation, c) + 58, 6);
    }
}

// ---- the general-purpose field: the standard's rules for leaving each mode, applied in order ----

class GeneralField {
public:
    explicit GeneralField(const std::string& field) : f_(field), n_(int(field.size())) {}

    Type TypeAt(int i) const {
        const char c = f_[size_t(i)];
        if (c == kGs || IsDigit(c)) return kNumeric;
        if (IsUpper(c) || OneOf(c, kAlphanumericPunctuation)) return kAlphanumeric;
        if (IsLower(c) || OneOf(c, kIso646Punctuation)) return kIso646;
        return kInvalid;
    }
    // The `count` characters from i are all of type `a` (or `b`).
    bool Next(int i, int count, Type a, Type b = kInvalid) const {
        if (i + count > n_) return false;
        for (int j = i; j < i + count; ++j) {
            const Type t = TypeAt(j);
            if (t != a && (b == kInvalid || t != b)) return false;
        }
        return true;
    }
    // What is left from i is `least` to `most` characters, all of type `type`.
    bool NextAreTheLast(int i, int least, int most, Type type) const {
        if (i + most < n_ || n_ - i < least) return false;
        for (int j = i; j < n_; ++j) {
            if (TypeAt(j) != type) return false;
        }
        return true;
    }
    // None of the (up to) `count` characters from i is of type `type`.
    bool NoneOf(int i, int count, Type type) const {
        for (int j = i; j < n_ && j < i + count; ++j) {
            if (TypeAt(j) == type) return false;
        }
        return true;
    }

    void Encode(std::string& bits, Mode& mode, char& last_digit) const {
        for (int i = 0; i < n_;) {
            const char c = f_[size_t(i)];
            const Type type = TypeAt(i);
            if (type == kInvalid) {
                throw EncodeError(EncodeErrorKind::InvalidData,
                                  std::string("The composite component cannot hold '") + c + "'");
            }
            if (mode == Mode::Numeric) {
                if (i + 1 < n_ && type == kNumeric && TypeAt(i + 1) == kNumeric) {
                    AppendBits(bits, 11 * NumericValue(c) + NumericValue(f_[size_t(i) + 1]) + 8, 7);
                    i += 2;
                } else if (i + 1 == n_ && type == kNumeric) {
                    last_digit = c;  // written with the padding, which knows the room left
                    ++i;
                } else {
                    bits += "0000";
                    mode = Mode::Alphanumeric;
                }
            } else if (c == kGs) {
                bits += "01111";  // FNC1 returns to numeric mode
                mode = Mode::Numeric;
                ++i;
            } else if (mode == Mode::Alphanumeric) {
                if (type == kIso646) {
                    bits += "00100";
                    mode = Mode::Iso646;
                } else if (Next(i, 6, kNumeric) || NextAreTheLast(i, 4, 5, kNumeric)) {
                    bits += "000";
                    mode = Mode::Numeric;
                } else {
                    AppendCharacter(bits, c, mode);
                    ++i;
                }
            } else {
                const bool no_iso646_ahead = NoneOf(i, 10, kIso646);
                if (no_iso646_ahead && Next(i, 4, kNumeric)) {
                    bits += "000";
                    mode = Mode::Numeric;
                } else if (no_iso646_ahead && Next(i, 5, kAlphanumeric, kNumeric)) {
                    bits += "00100";
                    mode = Mode::Alphanumeric;
                } else {
                    AppendCharacter(bits, c, mode);
                    ++i;
                }
            }
        }
    }

private:
    static int NumericValue(char c) { return c == kGs ? 10 : c - '0'; }

    const std::string& f_;
    int n_;
};

// ---- encodation methods ----

// A YYMMDD date as 16 bits, -1 when it is not one (day 00 stands for the month's end).
int DateValue(const std::string& d, size_t pos) {
    if (pos + 6 > d.size()) return -1;
    for (size_t i = pos; i < pos + 6; ++i) {
        if (!IsDigit(d[i])) return -1;
    }
    auto two = [&](size_t p) { return (d[p] - '0') * 10 + (d[p + 1] - '0'); };
    const int yy = two(pos), mm = two(pos + 2), dd = two(pos + 4);
    if (mm < 1 || mm > 12 || dd > 31) return -1;
    return yy * 384 + (mm - 1) * 32 + dd;
}

// Method "10": AI 10 alone, or a date (AI 11 or 17) with the lot number that follows. Returns
// where the general-purpose field starts; `field_prefix` gets the FNC1 that ends a date not
// followed by a lot number.
size_t AppendDateAndLot(const std::string& d, std::string& bits, std::string& field_prefix) {
    bits += "10";
    if (d[1] == '0') {
        bits += "11";  // no date
        return 2;
    }
    AppendBits(bits, DateValue(d, 2), 16);
    bits += d[1] == '1' ? "0" : "1";  // production or expiry date
    if (d.compare(8, 2, "10") == 0) return 10;
    if (d.size() > 8) {
        field_prefix = std::string(1, kGs);
    } else {
        bits += "000001111";  // the FNC1 still required, written as alphanumeric FNC1 after a latch
    }
    return 8;
}

// Method "11": AI 90 data that starts with up to three digits (no leading zero) and a capital.
// Returns false (nothing written) when the data does not have that form.
struct Ai90 {
    size_t field_start = 0;
    size_t skip_at = std::string::npos;  // where the AI (21 or 8004) implied by the header starts
    size_t skip_length = 0;
    Mode mode = Mode::Numeric;
    bool alpha_pad = false;
};

bool AppendAi90(const std::string& d, std::string& bits, Ai90& out) {
    const size_t end = d.find(kGs, 2) == std::string::npos ? d.size() : d.find(kGs, 2);
    const std::string ninety = d.substr(2, end - 2);
    int letter_at = -1;
    if (!ninety.empty() && ninety[0] != '0') {
        for (size_t i = 0; i < ninety.size() && i < 4; ++i) {
            if (IsUpper(ninety[i])) {
                letter_at = int(i);
                break;
            }
            if (!IsDigit(ninety[i])) break;
        }
    }
    if (letter_at < 0) return false;

    int alpha = 0, digits = 0, others = 0;
    for (const char c : ninety) (IsUpper(c) ? alpha : IsDigit(c) ? digits : others)++;
    digits -= letter_at;
    --alpha;
    bits += "11";
    enum { kAlphanumericData, kAlphaData, kNumericData } kind;
    if (others == 0 && alpha > digits) {
        bits += "11";
        kind = kAlphaData;
    } else if (others == 0 && alpha == 0) {
        bits += "10";
        kind = kNumericData;
    } else {
        bits += "0";
        kind = kAlphanumericData;
        out.mode = Mode::Alphanumeric;
    }

    // A serial number (AI 21) or a second AI 90 form (8004) right after is implied by two bits.
    if (end < d.size()) {
        if (d.compare(end + 1, 2, "21") == 0 && end + 2 < d.size()) out.skip_length = 2;
        else if (d.compare(end + 1, 4, "8004") == 0 && end + 4 < d.size()) out.skip_length = 4;
    }
    bits += out.skip_length == 0 ? "0" : out.skip_length == 2 ? "10" : "11";
    if (out.skip_length != 0) out.skip_at = end + 1;

    int number = 0;
    for (int i = 0; i < letter_at; ++i) number = number * 10 + (ninety[size_t(i)] - '0');
    static constexpr char kLetters[] = "BDHIJKLNPQRSTVWZ";  // letters with a 4-bit code
    const char letter = ninety[size_t(letter_at)];
    if (number < 31 && OneOf(letter, kLetters)) {
        AppendBits(bits, number, 5);
        AppendBits(bits, IndexIn(kLetters, letter), 4);
    } else {
        AppendBits(bits, 31, 5);
        AppendBits(bits, number, 10);
        AppendBits(bits, letter - 'A', 5);
    }
    size_t pos = size_t(letter_at) + 3;  // past "90", the digits and the letter
    if (kind == kAlphaData) {
        // Capitals in 5 bits, digits in 6, up to and including the FNC1 that ends the field.
        for (; pos < d.size(); ++pos) {
            const char c = d[pos];
            if (IsUpper(c)) AppendBits(bits, c - 'A', 5);
            else if (IsDigit(c)) AppendBits(bits, c - '0' + 52, 6);
            else if (c == kGs) AppendBits(bits, 31, 5);
            if (c == kGs) {
                ++pos;
                break;
            }
        }
        out.alpha_pad = true;
    }
    out.field_start = pos;
    return true;
}

}  // namespace

CompositeBits EncodeCompositeBits(const std::string& d) {
    CompositeBits out;
    std::string& bits = out.bits;
    Mode mode = Mode::Numeric;
    std::string field_prefix;
    size_t field_start = 0;
    size_t skip_at = std::string::npos, skip_length = 0;

    const bool date_or_lot = d.size() > 1 && d[0] == '1' &&
                             (d[1] == '0' || ((d[1] == '1' || d[1] == '7') && DateValue(d, 2) >= 0));
    Ai90 ai90;
    if (date_or_lot) {
        field_start = AppendDateAndLot(d, bits, field_prefix);
    } else if (d.size() > 1 && d[0] == '9' && d[1] == '0' && AppendAi90(d, bits, ai90)) {
        field_start = ai90.field_start;
        skip_at = ai90.skip_at;
        skip_length = ai90.skip_length;
        mode = ai90.mode;
        out.alpha_pad = ai90.alpha_pad;
    } else {
        bits += "0";
    }

    // The general-purpose field, with the AI the method header implies left out.
    std::string field = field_prefix;
    for (size_t i = field_start; i < d.size(); ++i) {
        if (i == skip_at) {
            i += skip_length - 1;
            continue;
        }
        field += d[i];
    }
    if (!field.empty()) {
        out.alpha_pad = false;
        GeneralField(field).Encode(bits, mode, out.last_digit);
    }
    out.ends_numeric = mode == Mode::Numeric;
    return out;
}

std::string PadCompositeBits(const CompositeBits& data, const std::function<int(int)>& target) {
    std::string bits = data.bits;
    if (target(int(bits.size())) == 0) return "";
    if (data.last_digit != '\0') {
        const int room = target(int(bits.size())) - int(bits.size());
        const int digit = data.last_digit - '0';
        if (room >= 4 && room <= 6) {
            AppendBits(bits, digit + 1, 4);  // a digit alone, then zeros
            bits.append(size_t(room - 4), '0');
        } else {
            AppendBits(bits, 11 * digit + 18, 7);  // the digit paired with FNC1 (may need a larger size)
        }
    }
    const int size = target(int(bits.size()));
    if (size == 0) return "";
    if (int(bits.size()) < size) {
        if (data.alpha_pad) bits += "11111";
        if (data.ends_numeric) bits += "0000";
        while (int(bits.size()) < size) bits += "00100";
    }
    bits.resize(size_t(size));
    return bits;
}
