#pragma once
#include <string>

#include "core/model/encode_options.h"

// The text encoding the 2D symbologies take: "utf-8" (as it is) or "shift_jis" (converted).
// Raises InvalidOption for any other, InvalidData when no byte is left.
std::string MatrixTextBytes(const std::string& text, const std::string& encoding);
