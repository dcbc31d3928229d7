#include "symbologies/matrix/pdf417_error_correction.h"

#include <array>

namespace {

constexpr int kPrime = 929;
constexpr int kLevels = 9;

std::array<std::vector<int>, kLevels> BuildGenerators() {
    std::array<std::vector<int>, kLevels> generators;
    for (int level = 0; level < kLevels; ++level) generators[level] = Gf929Generator(2 << level);
    return generators;
}

}  // namespace

std::vector<int> Gf929Generator(int k) {
    std::vector<int> g{1};  // lowest degree first, leading 1 included while building
    int root = 1;
    for (int i = 0; i < k; ++i) {
        root = root * 3 % kPrime;
        std::vector<int> next(g.size() + 1, 0);
        for (size_t j = 0; j < g.size(); ++j) {
            next[j + 1] = (next[j + 1] + g[j]) % kPrime;
            next[j] = (next[j] + kPrime - g[j] * root % kPrime) % kPrime;
        }
        g.swap(next);
    }
    g.pop_back();
    return g;
}

const std::vector<int>& Pdf417GeneratorCoefficients(int level) {
    static const std::array<std::vector<int>, kLevels> generators = BuildGenerators();
    return generators.at(level);
}

std::vector<int> Gf929ErrorCorrection(const std::vector<int>& data, const std::vector<int>& generator) {
    const std::vector<int>& c = generator;
    const size_t k = c.size();
    // Shift-register division by the generator; e[0] holds the highest-degree remainder term.
    // Subtracting t * c is adding t * (929 - c). The register is reduced only where a value leaves
    // it (t) and at the end: each e[j] then sums at most k products below 929 x 929, under 4.5 x 10^8
    // for the largest k of 512, well inside an int, and the inner loop is a plain multiply-add.
    std::vector<int> negated(k);
    for (size_t j = 0; j < k; ++j) negated[j] = kPrime - c[k - 1 - j];
    std::vector<int> e(k + 1, 0);
    for (const int d : data) {
        const int t = (d + e[0]) % kPrime;
        for (size_t j = 0; j < k; ++j) e[j] = e[j + 1] + t * negated[j];
    }
    e.pop_back();
    for (int& v : e) v = (kPrime - v % kPrime) % kPrime;
    return e;
}

std::vector<int> Pdf417ErrorCorrection(const std::vector<int>& data, int level) {
    return Gf929ErrorCorrection(data, Pdf417GeneratorCoefficients(level));
}
