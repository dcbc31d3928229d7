#pragma once
#include <string>

// The customary hyphenated forms of book and printed-music numbers, from their agencies' range
// tables. Empty when the table has no range for the number (an unknown group or an unallocated
// range): the caller then prints the number as typed.

// ISBN-13: prefix, registration group, registrant, publication, check digit
// ("978-0-306-40615-7"), from the International ISBN Agency's range table.
std::string HyphenateIsbn(const std::string& ean13);

// ISMN: 979, 0, publisher, item, check digit ("979-0-2600-0043-8"), from the International ISMN
// Agency's publisher ranges.
std::string HyphenateIsmn(const std::string& ean13);
