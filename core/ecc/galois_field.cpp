#include "core/ecc/galois_field.h"

GaloisField256::GaloisField256(unsigned primitive) {
    unsigned x = 1;
    for (int i = 0; i < 255; ++i) {
        exp_[i] = uint8_t(x);
        exp_[i + 255] = uint8_t(x);
        log_[x] = i;
        x <<= 1;
        if (x & 0x100) x ^= primitive;
    }
    exp_[510] = exp_[0];
    exp_[511] = exp_[1];
}

std::vector<uint8_t> GaloisField256::Generator(int degree, int first_root) const {
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

std::vector<uint8_t> GaloisField256::Remainder(const std::vector<uint8_t>& data,
                                               const std::vector<uint8_t>& generator) const {
    const size_t degree = generator.size() - 1;
    std::vector<uint8_t> rem(degree, 0);
    for (uint8_t d : data) {
        const uint8_t factor = d ^ (degree ? rem[0] : 0);
        for (size_t j = 0; j + 1 < degree; ++j) rem[j] = rem[j + 1] ^ Multiply(generator[j + 1], factor);
        if (degree) rem[degree - 1] = Multiply(generator[degree], factor);
    }
    return rem;
}

const GaloisField256& QrField() {
    static const GaloisField256 field(0x11D);
    return field;
}

const GaloisField256& DataMatrixField() {
    static const GaloisField256 field(0x12D);
    return field;
}
