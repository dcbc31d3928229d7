#pragma once
#include <cstdint>
#include <string>
#include <vector>

// CC-C: the composite component over a GS1-128 carrier, a PDF417 symbol whose data is the
// composite bit string as bytes after the 920 marker, as wide as the linear symbol allows.

// `element_data` as for EncodeCompositeComponent; `linear_width`: modules of the GS1-128 symbol
// under it. Rows are top to bottom, 1 dark, each 3 modules tall. Throws EncodeError: InvalidData
// for a character the component cannot hold, TooLong when no PDF417 symbol of 30 rows holds it.
std::vector<std::vector<uint8_t>> EncodeCcC(const std::string& element_data, int linear_width);
