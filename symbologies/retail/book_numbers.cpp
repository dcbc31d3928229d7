#include "symbologies/retail/book_numbers.h"

#include <cctype>
#include <vector>

#include "core/model/encode_error.h"
#include "gs1/check_digit.h"
#include "symbologies/retail/book_number_ranges.h"

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '-'; }

[[noreturn]] void Fail(EncodeErrorKind kind, const std::string& message, long position = -1) {
    throw EncodeError(kind, message, position);
}

// The significant characters of a number (digits and the letters the caller allows), where each
// stands in the text, and the text as typed with its separators normalised.
struct Scanned {
    std::string chars;
    std::vector<std::size_t> offsets;  // byte offset of each significant character
    std::string typed;                 // significant characters, each run of separators as one '-'
    bool separated = false;

    long Position(std::size_t index) const { return long(offsets[index]); }
};

// Reads `text` after an optional name prefix ("ISBN", "ISBN:", "issn "); `letters` are the
// non-digits accepted (upper or lower case).
Scanned Scan(const std::string& text, const std::string& name, const std::string& letters) {
    Scanned s;
    std::size_t i = 0;
    if (text.size() >= name.size()) {
        bool named = true;
        for (std::size_t k = 0; k < name.size(); ++k)
            named = named && std::toupper(static_cast<unsigned char>(text[k])) == name[k];
        if (named) {
            i = name.size();
            while (i < text.size() && (text[i] == ' ' || text[i] == ':')) ++i;
        }
    }
    bool pending_separator = false;
    for (; i < text.size(); ++i) {
        const char c = char(std::toupper(static_cast<unsigned char>(text[i])));
        if (IsSeparator(c)) {
            pending_separator = !s.chars.empty();
            continue;
        }
        if (!std::isdigit(static_cast<unsigned char>(c)) && letters.find(c) == std::string::npos)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, name + " requires digits", long(i));
        if (pending_separator) {
            s.typed += '-';
            s.separated = true;
            pending_separator = false;
        }
        s.chars += c;
        s.typed += c;
        s.offsets.push_back(i);
    }
    return s;
}

// A number typed without its check digit gets it, as ean13 completes its thirteenth digit.
void Complete(Scanned& s, char check) {
    s.chars += check;
    s.typed += s.separated ? std::string("-") + check : std::string(1, check);
    s.offsets.push_back(s.offsets.back());
}

// A letter anywhere but where it is allowed is a bad character.
void RejectLetters(const Scanned& s, const std::string& name, std::size_t allowed_at) {
    for (std::size_t k = 0; k < s.chars.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(s.chars[k])) && k != allowed_at)
            Fail(EncodeErrorKind::InvalidCharacter, name + " requires digits", s.Position(k));
}

// Mod-11 check character over digits weighted len+1 ... 2: '0'-'9' or 'X'.
char Mod11Check(const std::string& digits) {
    int sum = 0;
    const int n = int(digits.size());
    for (int k = 0; k < n; ++k) sum += (digits[k] - '0') * (n + 1 - k);
    const int check = (11 - sum % 11) % 11;
    return check == 10 ? 'X' : char('0' + check);
}

void RequireCheck(const Scanned& s, std::size_t index, char expected) {
    if (s.chars[index] != expected)
        Fail(EncodeErrorKind::InvalidData,
               std::string("Invalid check digit, expected '") + expected + "'", s.Position(index));
}

// The typed form with its last significant character replaced.
std::string WithLastReplaced(const std::string& typed, char last) { return typed.substr(0, typed.size() - 1) + last; }

BookNumber Numbered(const std::string& ean13, const std::string& name, const std::string& number) {
    return {ean13, name + " " + number, number};
}

// The agency's hyphenation where its range table knows the number, else the number as typed.
BookNumber Isbn(const std::string& ean13, const std::string& typed) {
    const std::string hyphenated = HyphenateIsbn(ean13);
    return Numbered(ean13, "ISBN", hyphenated.empty() ? typed : hyphenated);
}

// The publisher ranges cover every ISMN, so its caption is always the agency's form; the old
// M-2306-7118-7 prints as 979-0-2306-7118-7.
BookNumber Ismn(const std::string& ean13) { return Numbered(ean13, "ISMN", HyphenateIsmn(ean13)); }

}  // namespace

BookNumber ParseIsbn(const std::string& text) {
    Scanned s = Scan(text, "ISBN", "X");
    if (s.chars.size() == 9 || s.chars.size() == 12) {
        RejectLetters(s, "ISBN", std::string::npos);
        Complete(s, s.chars.size() == 9 ? Mod11Check(s.chars) : GS1CheckDigit(s.chars));
    }
    if (s.chars.size() == 10) {
        RejectLetters(s, "ISBN", 9);
        RequireCheck(s, 9, Mod11Check(s.chars.substr(0, 9)));
        const std::string body = "978" + s.chars.substr(0, 9);
        const std::string ean = body + GS1CheckDigit(body);
        return Isbn(ean, s.separated ? "978-" + WithLastReplaced(s.typed, ean[12]) : ean);
    }
    RejectLetters(s, "ISBN", std::string::npos);
    if (s.chars.size() != 13) Fail(EncodeErrorKind::InvalidData, "ISBN requires 10 or 13 digits");
    if (s.chars.compare(0, 3, "978") != 0 && s.chars.compare(0, 3, "979") != 0)
        Fail(EncodeErrorKind::InvalidData, "ISBN-13 starts with 978 or 979", s.Position(0));
    if (s.chars.compare(0, 4, "9790") == 0)
        Fail(EncodeErrorKind::InvalidData, "979-0 starts an ISMN, not an ISBN", s.Position(3));
    RequireCheck(s, 12, GS1CheckDigit(s.chars.substr(0, 12)));
    return Isbn(s.chars, s.typed);
}

BookNumber ParseIssn(const std::string& text) {
    Scanned s = Scan(text, "ISSN", "X");
    if (s.chars.size() == 7 || s.chars.size() == 12) {
        RejectLetters(s, "ISSN", std::string::npos);
        Complete(s, s.chars.size() == 7 ? Mod11Check(s.chars) : GS1CheckDigit(s.chars));
    }
    std::string seven;
    std::string variant = "00";
    char issn_check;
    if (s.chars.size() == 13) {
        RejectLetters(s, "ISSN", std::string::npos);
        if (s.chars.compare(0, 3, "977") != 0)
            Fail(EncodeErrorKind::InvalidData, "An ISSN's EAN-13 starts with 977", s.Position(0));
        RequireCheck(s, 12, GS1CheckDigit(s.chars.substr(0, 12)));
        seven = s.chars.substr(3, 7);
        variant = s.chars.substr(10, 2);
        issn_check = Mod11Check(seven);
    } else {
        if (s.chars.size() != 8 && s.chars.size() != 10)
            Fail(EncodeErrorKind::InvalidData,
                 "ISSN requires 8 characters (7 without the check digit) and an optional 2-digit variant");
        RejectLetters(s, "ISSN", 7);
        seven = s.chars.substr(0, 7);
        issn_check = Mod11Check(seven);
        RequireCheck(s, 7, issn_check);
        if (s.chars.size() == 10) variant = s.chars.substr(8, 2);
    }
    const std::string body = "977" + seven + variant;
    return Numbered(body + GS1CheckDigit(body), "ISSN", seven.substr(0, 4) + "-" + seven.substr(4) + issn_check);
}

BookNumber ParseIsmn(const std::string& text) {
    Scanned s = Scan(text, "ISMN", "M");
    if (!s.chars.empty() && s.chars[0] == 'M') {
        RejectLetters(s, "ISMN", 0);
        if (s.chars.size() == 9) Complete(s, GS1CheckDigit("9790" + s.chars.substr(1)));
        if (s.chars.size() != 10) Fail(EncodeErrorKind::InvalidData, "ISMN requires M and 9 digits");
        const std::string body = "9790" + s.chars.substr(1, 8);
        RequireCheck(s, 9, GS1CheckDigit(body));
        return Ismn(body + s.chars[9]);
    }
    RejectLetters(s, "ISMN", std::string::npos);
    if (s.chars.size() == 12) Complete(s, GS1CheckDigit(s.chars));
    if (s.chars.size() != 13) Fail(EncodeErrorKind::InvalidData, "ISMN requires 13 digits");
    if (s.chars.compare(0, 4, "9790") != 0)
        Fail(EncodeErrorKind::InvalidData, "ISMN starts with 979-0", s.Position(0));
    RequireCheck(s, 12, GS1CheckDigit(s.chars.substr(0, 12)));
    return Ismn(s.chars);
}
