#pragma once
#include <string>

// The customary hyphenated form of an ISBN-13: prefix, registration group, registrant,
// publication, check digit ("978-0-306-40615-7"), from the International ISBN Agency's range table.
// Empty when the table has no registrant range for the number (an unknown group or an
// unallocated range): the caller then prints the number as typed.
std::string HyphenateIsbn(const std::string& ean13);
