#pragma once
#include <string>

// Book, serial and printed-music numbers as the EAN-13 they are printed as, with the line printed
// above the symbol. Input may start with the number's name ("ISBN "), and may carry hyphens and
// spaces; check digits are validated. ISBN and ISMN captions are hyphenated from their agencies'
// range tables (book_number_ranges.h), whatever hyphens were typed; an ISBN the table does not
// know keeps the hyphens the caller typed (runs of spaces and hyphens become one hyphen), and is
// printed without them when typed without them. An ISSN always prints as NNNN-NNNN.
//   ISBN: 13 digits starting 978 or 979 (not 979-0, which is ISMN), or ISBN-10 (check mod 11,
//         'X' for 10), which becomes 978 + its nine digits + a new check digit.
//   ISSN: 8 characters (check mod 11, 'X' for 10), optionally followed by the 2-digit variant
//         ("0317-8471 03"; default 00), or the 13-digit 977 form. EAN-13: 977 + the seven digits
//         before the ISSN check + variant + check. The issue number goes in an add-on.
//   ISMN: 979-0 + 8 digits + check, or the old form M + 8 digits + check (same check digit).
// Errors (positions are byte offsets in the text): a character that is not a digit, separator or
// (where allowed) 'X'/'M' is InvalidCharacter at its position; a wrong check digit is InvalidData at the check digit's position; a wrong count
// or prefix is InvalidData. A number typed without its check digit (ISBN 9 or 12 digits, ISSN 7
// or 12, ISMN M + 8 or 12 digits) gets it.

struct BookNumber {
    std::string ean13;    // 13 digits, check digit included
    std::string caption;  // "ISBN 978-0-306-40615-7"
    std::string number;   // the caption without the name: "978-0-306-40615-7"
};

BookNumber ParseIsbn(const std::string& text);
BookNumber ParseIssn(const std::string& text);
BookNumber ParseIsmn(const std::string& text);
