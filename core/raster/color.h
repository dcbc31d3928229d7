#pragma once
#include <cstdint>

struct Rgba {
    uint8_t r, g, b, a;
};
