#include "core/ecc/binary_field.h"

#include <algorithm>

BinaryField::BinaryField(int bits, unsigned primitive)
    : size_(1 << bits), exp_(size_t(2 * size_), 0), log_(size_t(size_), 0) {
    unsigned x = 1;
    for (int i = 0; i < size_ - 1; ++i) {
        exp_[size_t(i)] = uint16_t(x);
        exp_[size_t(i + size_ - 1)] = uint16_t(x);
        log_[x] = i;
        x <<= 1;
        if (x & unsigned(size_)) x ^= primitive;
    }
}

std::vector<int> BinaryField::LogGenerator(int degree) const {
    const std::lock_guard<std::mutex> hold(generators_lock_);
    auto found = log_generators_.find(degree);
    if (found != log_generators_.end()) return found->second;
    std::vector<uint16_t> generator{1};  // prod_{i=1}^{degree} (x - 2^i), highest coefficient first
    for (int i = 1; i <= degree; ++i) {
        const uint16_t root = Exp(i);
        generator.push_back(0);
        for (size_t j = generator.size() - 1; j > 0; --j)
            generator[j] = uint16_t(generator[j] ^ Multiply(generator[j - 1], root));
    }
    std::vector<int> logs(generator.size());
    for (size_t j = 0; j < generator.size(); ++j) logs[j] = log_[generator[j]];
    if (log_generators_.size() >= kKeptGenerators) log_generators_.clear();
    return log_generators_.emplace(degree, std::move(logs)).first->second;
}

std::vector<uint16_t> BinaryField::CheckWords(const std::vector<uint16_t>& data, int degree) const {
    const std::vector<int> log_generator = LogGenerator(degree);
    std::vector<uint16_t> rem(size_t(degree) + 1, 0);  // one spare word so the shift needs no test
    for (const uint16_t d : data) {
        const uint16_t factor = uint16_t(d ^ rem[0]);
        if (factor == 0) {
            std::copy(rem.begin() + 1, rem.end(), rem.begin());
            continue;
        }
        const int log_factor = log_[factor];
        for (int j = 0; j < degree; ++j)
            rem[size_t(j)] = uint16_t(rem[size_t(j + 1)] ^ exp_[size_t(log_generator[size_t(j + 1)] + log_factor)]);
    }
    rem.pop_back();
    return rem;
}
