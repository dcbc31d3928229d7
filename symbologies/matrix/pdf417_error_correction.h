#pragma once
#include <vector>

// Reed-Solomon error correction of PDF417 over the prime field GF(929).

// Coefficients c[0..k-1] of the generator (x - 3)(x - 3^2)...(x - 3^k), k = 2^(level + 1), c[j]
// belonging to x^j (the leading 1 left out); level 0..8.
const std::vector<int>& Pdf417GeneratorCoefficients(int level);

// The 2^(level + 1) error correction codewords of `data` (length descriptor first), in symbol order.
std::vector<int> Pdf417ErrorCorrection(const std::vector<int>& data, int level);
