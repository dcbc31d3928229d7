#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Standard base64 (RFC 4648 alphabet, "=" padding, no line breaks).
std::string Base64Encode(const uint8_t* data, size_t size);
