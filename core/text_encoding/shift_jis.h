#pragma once
#include <string>

// Text between UTF-8 and Shift-JIS (code page 932, as Windows reads it). "shift-jis", "Shift-JIS"
// and "shift_jis" turn well-formed UTF-8 into Shift-JIS; every other encoding turns input that is
// not well-formed UTF-8 from Shift-JIS into UTF-8. Anything else is returned as it is.
std::string ConvertStringEncoding(const std::string& text, const std::string& encoding);
