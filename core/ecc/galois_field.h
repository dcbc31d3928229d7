#pragma once
#include <array>
#include <cstdint>
#include <vector>

// Arithmetic in GF(256) over a given primitive polynomial (0x11D for QR Code, 0x12D for Data Matrix)
// with generator 2, and the systematic Reed-Solomon encoder both symbologies use.
class GaloisField256 {
public:
    explicit GaloisField256(unsigned primitive);

    uint8_t Exp(int power) const { return exp_[power % 255]; }
    int Log(uint8_t value) const { return log_[value]; }  // value must not be 0
    uint8_t Multiply(uint8_t a, uint8_t b) const {
        return (a == 0 || b == 0) ? 0 : exp_[log_[a] + log_[b]];
    }

    // Generator polynomial prod_{i=0}^{degree-1} (x - 2^(i + first_root)), highest coefficient first
    // (the leading 1 included).
    std::vector<uint8_t> Generator(int degree, int first_root) const;
    // The `degree` error-correction codewords of `data` (remainder of data(x) x^degree divided by
    // the generator), highest coefficient first.
    std::vector<uint8_t> Remainder(const std::vector<uint8_t>& data, const std::vector<uint8_t>& generator) const;

private:
    std::array<uint8_t, 512> exp_{};  // doubled so that Multiply needs no modulo
    std::array<int, 256> log_{};
};

// The fields of the two symbologies, built once.
const GaloisField256& QrField();          // 0x11D
const GaloisField256& DataMatrixField();  // 0x12D
