#pragma once
#include <string>

// `data` as a zlib stream (RFC 1950), by default at libdeflate's strongest level: small, and the
// same bytes for the same input every time; a lower `level` (1..12) trades a little size for
// speed. Empty on a compressor error.
std::string ZlibStream(const std::string& data, int level = 12);
