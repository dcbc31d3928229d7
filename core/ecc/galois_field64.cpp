#include "core/ecc/galois_field64.h"

GaloisField64::GaloisField64() {
    unsigned x = 1;
    for (int i = 0; i < 63; ++i) {
        exp_[size_t(i)] = exp_[size_t(i) + 63] = uint8_t(x);
        log_[x] = i;
        x <<= 1;
        if (x & 0x40) x ^= 0x43;
    }
}

std::vector<uint8_t> GaloisField64::Generator(int degree, int first_root) const {
    std::vector<uint8_t> g{1};
    for (int i = 0; i < degree; ++i) {
        const uint8_t root = Exp(i + first_root);
        std::vector<uint8_t> next(g.size() + 1, 0);
        for (size_t j = 0; j < g.size(); ++j) {
            next[j] ^= g[j];
            next[j + 1] ^= Multiply(g[j], root);
        }
        g.swap(next);
    }
    return g;
}

std::vector<uint8_t> GaloisField64::Remainder(const std::vector<uint8_t>& data,
                                              const std::vector<uint8_t>& generator) const {
    const size_t degree = generator.size() - 1;
    std::vector<uint8_t> rem(degree, 0);
    for (uint8_t d : data) {
        const uint8_t factor = d ^ rem[0];
        for (size_t j = 0; j + 1 < degree; ++j) rem[j] = rem[j + 1] ^ Multiply(generator[j + 1], factor);
        rem[degree - 1] = Multiply(generator[degree], factor);
    }
    return rem;
}

const GaloisField64& PostalField64() {
    static const GaloisField64 field;
    return field;
}
