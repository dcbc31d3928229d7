#pragma once
#include <array>
#include <cstdint>
#include <vector>

// GF(64) over x^6 + x + 1 (0x43) with generator 2, and the systematic Reed-Solomon encoder of the
// four-state postal codes that use it (Australia Post).
class GaloisField64 {
public:
    GaloisField64();

    uint8_t Exp(int power) const { return exp_[power % 63]; }
    uint8_t Multiply(uint8_t a, uint8_t b) const { return (a == 0 || b == 0) ? 0 : exp_[log_[a] + log_[b]]; }

    // Generator polynomial prod_{i=0}^{degree-1} (x - 2^(i + first_root)), highest coefficient first.
    std::vector<uint8_t> Generator(int degree, int first_root) const;
    // The `degree` check symbols of `data`, highest coefficient first.
    std::vector<uint8_t> Remainder(const std::vector<uint8_t>& data, const std::vector<uint8_t>& generator) const;

private:
    std::array<uint8_t, 126> exp_{};  // doubled so that Multiply needs no modulo
    std::array<int, 64> log_{};
};

const GaloisField64& PostalField64();
