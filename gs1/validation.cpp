#include "gs1/validation.h"

#include <algorithm>

#include "core/text_encoding/ascii.h"
#include "core/text_encoding/digits.h"
#include "gs1/ai_table.h"
#include "gs1/check_digit.h"

namespace {

bool InSet(char c, GS1CharacterSet set) {
    switch (set) {
        case GS1CharacterSet::kDigits: return IsDigit(c);
        case GS1CharacterSet::kSet82: return IsDigit(c) || IsUpper(c) || IsLower(c) || OneOf(c, "!\"%&'()*+,-./:;<=>?_");
        case GS1CharacterSet::kSet39: return IsDigit(c) || IsUpper(c) || OneOf(c, "#-/");
        case GS1CharacterSet::kBase64Url: return IsDigit(c) || IsUpper(c) || IsLower(c) || OneOf(c, "-_=");
    }
    return false;
}

const char* SetName(GS1CharacterSet set) {
    switch (set) {
        case GS1CharacterSet::kDigits: return "numeric field";
        case GS1CharacterSet::kSet82: return "GS1 character set 82";
        case GS1CharacterSet::kSet39: return "GS1 character set 39";
        case GS1CharacterSet::kBase64Url: return "URL-safe base64 set";
    }
    return "";
}

std::string Shown(char c) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F) return std::string("'") + c + "'";
    static const char kHex[] = "0123456789ABCDEF";
    return std::string("byte 0x") + kHex[b >> 4] + kHex[b & 15];
}

class FieldChecker {
public:
    explicit FieldChecker(const GS1Element& e) : e_(e) {}

    [[noreturn]] void Fail(size_t offset, const std::string& what,
                           EncodeErrorKind kind = EncodeErrorKind::InvalidData) const {
        const size_t position = e_.data_position + offset;
        throw GS1Error("AI (" + e_.ai + ")", position, ": " + what, kind);
    }

    void Check(const GS1AiFormat& format) const {
        const int length = int(e_.data.size());
        if (length < format.MinLength() || length > format.MaxLength()) {
            const std::string wanted = format.MinLength() == format.MaxLength()
                                           ? std::to_string(format.MaxLength())
                                           : std::to_string(format.MinLength()) + " to " + std::to_string(format.MaxLength());
            Fail(0, "data has " + std::to_string(length) + (length == 1 ? " character, " : " characters, ") + wanted +
                        " required");
        }
        size_t offset = 0;
        for (const GS1Component& c : format.components) {
            const size_t left = e_.data.size() - offset;
            if (left == 0) break;  // only optional components can be missing once the length is right
            const size_t n = std::min(left, size_t(c.max_length));
            for (size_t i = offset; i < offset + n; ++i) {
                if (InSet(e_.data[i], c.set)) continue;
                Fail(i,
                     c.set == GS1CharacterSet::kDigits ? "non-digit character " + Shown(e_.data[i]) + " in numeric field"
                                                       : "character " + Shown(e_.data[i]) + " is not in " + SetName(c.set),
                     EncodeErrorKind::InvalidCharacter);
            }
            if (int(n) < c.min_length) Fail(offset, "component of " + std::to_string(c.min_length) + " characters cut short");
            CheckLinter(c.linter, offset, n);
            offset += n;
        }
    }

private:
    int Number(size_t offset, size_t count) const { return std::stoi(e_.data.substr(offset, count)); }

    void CheckDate(size_t offset, size_t year_digits, bool day_zero) const {
        const int year = Number(offset, year_digits);
        const int month = Number(offset + year_digits, 2);
        const int day = Number(offset + year_digits + 2, 2);
        if (month < 1 || month > 12) Fail(offset + year_digits, "invalid month " + e_.data.substr(offset + year_digits, 2));
        static const int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        // Two-digit years leave the century open; a year divisible by 4 is taken as a leap year.
        const bool leap = year % 4 == 0 && (year_digits == 2 || year % 100 != 0 || year % 400 == 0);
        const int days = month == 2 && !leap ? 28 : kDays[month - 1];
        if ((day == 0 && !day_zero) || day > days)
            Fail(offset + year_digits + 2, "invalid day " + e_.data.substr(offset + year_digits + 2, 2) + " in month " +
                                               std::to_string(month));
    }

    void CheckRange(size_t offset, int highest, const char* what) const {
        if (Number(offset, 2) > highest) Fail(offset, std::string("invalid ") + what + " " + e_.data.substr(offset, 2));
    }

    void CheckLinter(GS1Linter linter, size_t offset, size_t n) const {
        switch (linter) {
            case GS1Linter::kNone: break;
            case GS1Linter::kCheckDigit: {
                const char expected = GS1CheckDigit(e_.data.substr(offset, n - 1));
                if (e_.data[offset + n - 1] != expected)
                    Fail(offset + n - 1, std::string("bad check digit ") + e_.data[offset + n - 1] + ", expected " + expected);
                break;
            }
            case GS1Linter::kDateDayZero: CheckDate(offset, 2, true); break;
            case GS1Linter::kDate: CheckDate(offset, 2, false); break;
            case GS1Linter::kLongDate: CheckDate(offset, 4, false); break;
            case GS1Linter::kHourMinute:
                CheckRange(offset, 23, "hour");
                CheckRange(offset + 2, 59, "minute");
                break;
            case GS1Linter::kHour: CheckRange(offset, 23, "hour"); break;
            case GS1Linter::kMinute: CheckRange(offset, 59, "minute"); break;
            case GS1Linter::kSecond: CheckRange(offset, 59, "second"); break;
        }
    }

    const GS1Element& e_;
};

}  // namespace

void ValidateGS1(const std::vector<GS1Element>& elements) {
    for (const GS1Element& e : elements) {
        const auto format = FindGS1Ai(e.ai);
        if (!format) throw GS1Error("unknown AI (" + e.ai + ")", e.ai_position);
        FieldChecker(e).Check(*format);
    }
    RefuseRepeatedAis(elements, {});
}

void RefuseRepeatedAis(const std::vector<GS1Element>& elements, const std::vector<GS1Element>& earlier) {
    for (size_t i = 0; i < elements.size(); ++i) {
        const auto differs = [&](const GS1Element& other) {
            return other.ai == elements[i].ai && other.data != elements[i].data;
        };
        const auto before = elements.begin() + long(i);
        if (std::any_of(earlier.begin(), earlier.end(), differs) || std::any_of(elements.begin(), before, differs))
            throw GS1Error("AI (" + elements[i].ai + ")", elements[i].ai_position,
                           ": repeated with a different value (an AI given twice must carry the same value)");
    }
}
