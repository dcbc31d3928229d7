#pragma once
#include <string>

// `data` as a zlib stream (RFC 1950) at libdeflate's strongest level: small, and the same bytes
// for the same input every time. Empty on a compressor error.
std::string ZlibStream(const std::string& data);
