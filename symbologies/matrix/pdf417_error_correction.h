#pragma once
#include <vector>

// Reed-Solomon error correction of PDF417 and MicroPDF417 over the prime field GF(929).

// Coefficients c[0..k-1] of the generator (x - 3)(x - 3^2)...(x - 3^k), c[j] belonging to x^j (the
// leading 1 left out).
std::vector<int> Gf929Generator(int k);

// Gf929Generator(2^(level + 1)) for PDF417's levels 0..8, built once.
const std::vector<int>& Pdf417GeneratorCoefficients(int level);

// The k error correction codewords of `data` for the generator of Gf929Generator(k), in symbol order;
// k at most 512, as PDF417 level 8 has.
std::vector<int> Gf929ErrorCorrection(const std::vector<int>& data, const std::vector<int>& generator);

// The 2^(level + 1) error correction codewords of `data` (length descriptor first), in symbol order.
std::vector<int> Pdf417ErrorCorrection(const std::vector<int>& data, int level);
