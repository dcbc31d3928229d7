#pragma once
#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

// Arithmetic in GF(2^m), m from 4 to 12, over a given primitive polynomial with generator 2, and the
// systematic Reed-Solomon encoder over it: Aztec Code works in five such fields, one per codeword
// size. (GaloisField256 stays the faster one for the byte-wide codes.)
class BinaryField {
public:
    BinaryField(int bits, unsigned primitive);

    int Size() const { return size_; }  // 2^m
    uint16_t Exp(int power) const { return exp_[size_t(power % (size_ - 1))]; }
    uint16_t Multiply(uint16_t a, uint16_t b) const {
        return (a == 0 || b == 0) ? 0 : exp_[size_t(log_[a] + log_[b])];
    }

    // The `degree` check words of `data` for the generator prod_{i=1}^{degree} (x - 2^i), highest
    // coefficient first.
    std::vector<uint16_t> CheckWords(const std::vector<uint16_t>& data, int degree) const;

private:
    // Logarithms of the generator's coefficients of `degree` (never 0), highest first: kept once
    // made (labels come in runs of one size), up to kKeptGenerators degrees.
    std::vector<int> LogGenerator(int degree) const;
    static constexpr size_t kKeptGenerators = 256;

    int size_;
    std::vector<uint16_t> exp_;  // doubled so that Multiply needs no modulo
    std::vector<int> log_;
    mutable std::mutex generators_lock_;
    mutable std::map<int, std::vector<int>> log_generators_;  // by degree
};
