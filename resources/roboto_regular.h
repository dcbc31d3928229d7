#pragma once
#include <cstddef>

// Roboto Regular 3.009 (146,004 bytes), compiled in so that no font file is needed at run time.
extern const unsigned char kRobotoRegularTtf[];
extern const size_t kRobotoRegularTtfSize;
