#include "symbologies/matrix/qr_mask.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "symbologies/matrix/qr_tables.h"

namespace {

// Set bits of a word, summed in ever wider fields: __builtin_popcountll is a library call unless
// the build targets POPCNT, and it was a quarter of a QR encode.
int Bits(uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return int((x * 0x0101010101010101u) >> 56);
}

// One row or column of modules as bits (module k at bit k), in as many words as the symbol needs
// (one up to version 11): the penalties of a line are counted with word operations on whole lines
// instead of module by module, and words past the symbol's edge would only ever hold zeros.
constexpr int kMaxWords = (QrSize(kQrMaxVersion) + 63) / 64;

template <int Words>
struct Line {
    uint64_t w[Words] = {};

    void Set(int k) { w[k / 64] |= uint64_t(1) << (k % 64); }
    Line operator&(const Line& o) const { return Apply(o, [](uint64_t a, uint64_t b) { return a & b; }); }
    Line operator^(const Line& o) const { return Apply(o, [](uint64_t a, uint64_t b) { return a ^ b; }); }
    Line operator|(const Line& o) const { return Apply(o, [](uint64_t a, uint64_t b) { return a | b; }); }
    Line operator~() const {
        Line r;
        for (int i = 0; i < Words; ++i) r.w[i] = ~w[i];
        return r;
    }
    // Bit k of the result is bit k + s of this line (0 < s < 64): the module s further along.
    Line Ahead(int s) const {
        Line r;
        for (int i = 0; i < Words; ++i) r.w[i] = (w[i] >> s) | (i + 1 < Words ? w[i + 1] << (64 - s) : 0);
        return r;
    }
    // Bit k of the result is bit k - 1 of this line: the module before.
    Line Behind() const { return Behind(1); }
    // Bit k of the result is bit k - s of this line (0 < s < 64); zeros before the first module.
    Line Behind(int s) const {
        Line r;
        for (int i = 0; i < Words; ++i) r.w[i] = (w[i] << s) | (i > 0 ? w[i - 1] >> (64 - s) : 0);
        return r;
    }
    int Count() const {
        int c = 0;
        for (uint64_t x : w) c += Bits(x);
        return c;
    }

private:
    template <class Op>
    Line Apply(const Line& o, Op op) const {
        Line r;
        for (int i = 0; i < Words; ++i) r.w[i] = op(w[i], o.w[i]);
        return r;
    }
};

// Bits 0 .. count - 1.
template <int Words>
Line<Words> FirstBits(int count) {
    Line<Words> r;
    for (int k = 0; k < count; ++k) r.Set(k);
    return r;
}

// Runs and finder-like windows along one line of modules (no bits at n and beyond); `pairs` holds
// the first n - 1 bits, the modules that have a successor.
template <int Words>
int LinePenalty(const Line<Words>& b, const Line<Words>& pairs) {
    // same: module k has the colour of module k + 1. five: modules k .. k + 4 share one colour.
    const Line<Words> same = ~(b ^ b.Ahead(1)) & pairs;
    const Line<Words> five = same & same.Ahead(1) & same.Ahead(2) & same.Ahead(3);
    // A run of L >= 5 modules holds L - 4 such windows and scores L - 2: two more per run, and
    // runs are counted by the first window of each.
    const Line<Words> run_starts = five & ~five.Behind();
    const Line<Words> finder = b & ~b.Ahead(1) & b.Ahead(2) & b.Ahead(3) & b.Ahead(4) & ~b.Ahead(5) & b.Ahead(6);
    return five.Count() + 2 * run_starts.Count() + 40 * finder.Count();
}

// 2 x 2 blocks of one colour between two neighbouring rows.
template <int Words>
int BlockPenalty(const Line<Words>& upper, const Line<Words>& lower, const Line<Words>& pairs) {
    const Line<Words> blocks = ~(upper ^ upper.Ahead(1)) & ~(lower ^ lower.Ahead(1)) & ~(upper ^ lower) & pairs;
    return 3 * blocks.Count();
}

// ISO/IEC 18004 7.8.3.1: runs and blocks as above; a dark-light-dark-dark-dark-light-dark window
// scores 40 when four light modules precede or follow it, the area outside the symbol counting as
// light (bits outside the line are zeros).
template <int Words>
int StandardLinePenalty(const Line<Words>& b, const Line<Words>& pairs) {
    const Line<Words> same = ~(b ^ b.Ahead(1)) & pairs;
    const Line<Words> five = same & same.Ahead(1) & same.Ahead(2) & same.Ahead(3);
    const Line<Words> run_starts = five & ~five.Behind();
    const Line<Words> finder = b & ~b.Ahead(1) & b.Ahead(2) & b.Ahead(3) & b.Ahead(4) & ~b.Ahead(5) & b.Ahead(6);
    const Line<Words> light_after = ~(b.Ahead(7) | b.Ahead(8) | b.Ahead(9) | b.Ahead(10));
    const Line<Words> light_before = ~(b.Behind(1) | b.Behind(2) | b.Behind(3) | b.Behind(4));
    return five.Count() + 2 * run_starts.Count() + 40 * (finder & (light_after | light_before)).Count();
}

// N4: 10 for every full 5 % by which the dark share of all the symbol's modules is off 50 %.
int StandardBalancePenalty(int64_t dark, int64_t modules) {
    return int(10 * ((20 * dark - 10 * modules < 0 ? 10 * modules - 20 * dark : 20 * dark - 10 * modules) / modules));
}

int BalancePenalty(int dark, int data_modules) {
    static constexpr int kBalance[21] = {90, 80, 70, 60, 50, 40, 30, 20, 10, 0, 0,
                                         10, 20, 30, 40, 50, 60, 70, 80, 90, 90};
    const int64_t k = int64_t(dark) * 20 / data_modules;
    return kBalance[std::clamp<int64_t>(k, 0, 20)];
}

template <int Words>
int Penalty(const std::vector<Line<Words>>& rows, const std::vector<Line<Words>>& columns, int data_modules) {
    const size_t n = rows.size();
    const Line<Words> pairs = FirstBits<Words>(int(n) - 1);
    int score = 0, dark = 0;
    for (size_t i = 0; i < n; ++i) {
        score += LinePenalty(rows[i], pairs) + LinePenalty(columns[i], pairs);
        if (i + 1 < n) score += BlockPenalty(rows[i], rows[i + 1], pairs);
        dark += rows[i].Count();
    }
    return score + BalancePenalty(dark, data_modules);
}

template <int Words>
int StandardPenalty(const std::vector<Line<Words>>& rows, const std::vector<Line<Words>>& columns) {
    const size_t n = rows.size();
    const Line<Words> pairs = FirstBits<Words>(int(n) - 1);
    int score = 0, dark = 0;
    for (size_t i = 0; i < n; ++i) {
        score += StandardLinePenalty(rows[i], pairs) + StandardLinePenalty(columns[i], pairs);
        if (i + 1 < n) score += BlockPenalty(rows[i], rows[i + 1], pairs);
        dark += rows[i].Count();
    }
    return score + StandardBalancePenalty(dark, int64_t(n) * int64_t(n));
}

// The masks repeat every 12 modules along both axes. rows[mask][i mod 12] is the line of modules
// the mask inverts in row i, columns[mask][j mod 12] those it inverts in column j.
template <int Words>
struct MaskPatterns {
    std::array<std::array<Line<Words>, 12>, 8> rows, columns;
};

template <int Words>
const MaskPatterns<Words>& Patterns() {
    static const MaskPatterns<Words> patterns = [] {
        MaskPatterns<Words> p;
        for (int m = 0; m < 8; ++m)
            for (int i = 0; i < 12; ++i)
                for (int k = 0; k < std::min(QrSize(kQrMaxVersion), 64 * Words); ++k) {
                    if (QrMaskCondition(m, i, k)) p.rows[size_t(m)][size_t(i)].Set(k);
                    if (QrMaskCondition(m, k, i)) p.columns[size_t(m)][size_t(i)].Set(k);
                }
        return p;
    }();
    return patterns;
}

}  // namespace

bool QrMaskCondition(int mask, int i, int j) {
    switch (mask) {
        case 0: return (i + j) % 2 == 0;
        case 1: return i % 2 == 0;
        case 2: return j % 3 == 0;
        case 3: return (i + j) % 3 == 0;
        case 4: return (i / 2 + j / 3) % 2 == 0;
        case 5: return (i * j) % 2 + (i * j) % 3 == 0;
        case 6: return ((i * j) % 2 + (i * j) % 3) % 2 == 0;
        default: return ((i + j) % 2 + (i * j) % 3) % 2 == 0;
    }
}

namespace {

template <int Words>
int PenaltyOf(const QrGrid& modules, int data_modules) {
    const int n = modules.size;
    const size_t count = static_cast<size_t>(n);
    std::vector<Line<Words>> rows(count), columns(count);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            if (modules.At(r, c) & 1) {
                rows[size_t(r)].Set(c);
                columns[size_t(c)].Set(r);
            }
    return Penalty(rows, columns, data_modules);
}

template <int Words>
std::array<int, 8> MaskPenaltiesOf(const QrGrid& function_template, const QrGrid& data_bits, int data_modules) {
    const int n = function_template.size;
    const size_t count = static_cast<size_t>(n);
    std::vector<Line<Words>> data_rows(count), data_columns(count), region_rows(count), region_columns(count);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            if (function_template.At(r, c) != kQrData) continue;
            region_rows[size_t(r)].Set(c);
            region_columns[size_t(c)].Set(r);
            if (data_bits.At(r, c) & 1) {
                data_rows[size_t(r)].Set(c);
                data_columns[size_t(c)].Set(r);
            }
        }
    const MaskPatterns<Words>& patterns = Patterns<Words>();
    std::array<int, 8> scores{};
    std::vector<Line<Words>> rows(count), columns(count);
    for (size_t m = 0; m < 8; ++m) {
        for (size_t i = 0; i < count; ++i) {
            rows[i] = (data_rows[i] ^ patterns.rows[m][i % 12]) & region_rows[i];
            columns[i] = (data_columns[i] ^ patterns.columns[m][i % 12]) & region_columns[i];
        }
        scores[m] = Penalty(rows, columns, data_modules);
    }
    return scores;
}

}  // namespace

int QrPenalty(const QrGrid& modules, int data_modules) {
    const int n = modules.size;
    if (n <= 64) return PenaltyOf<1>(modules, data_modules);
    if (n <= 128) return PenaltyOf<2>(modules, data_modules);
    return PenaltyOf<kMaxWords>(modules, data_modules);
}

std::array<int, 8> QrMaskPenalties(const QrGrid& function_template, const QrGrid& data_bits, int data_modules) {
    const int n = function_template.size;
    if (n <= 64) return MaskPenaltiesOf<1>(function_template, data_bits, data_modules);
    if (n <= 128) return MaskPenaltiesOf<2>(function_template, data_bits, data_modules);
    return MaskPenaltiesOf<kMaxWords>(function_template, data_bits, data_modules);
}

namespace {

template <int Words>
std::array<int, 8> StandardMaskPenaltiesOf(const QrGrid& function_template, const QrGrid& data_bits, QrLevel level) {
    const int n = function_template.size;
    const size_t count = static_cast<size_t>(n);
    std::vector<Line<Words>> data_rows(count), data_columns(count), region_rows(count), region_columns(count);
    std::vector<Line<Words>> fixed_rows(count), fixed_columns(count);  // dark function modules
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            const uint8_t module = function_template.At(r, c);
            if (module != kQrData) {
                if (module & 1) fixed_rows[size_t(r)].Set(c), fixed_columns[size_t(c)].Set(r);
                continue;
            }
            region_rows[size_t(r)].Set(c);
            region_columns[size_t(c)].Set(r);
            if (data_bits.At(r, c) & 1) data_rows[size_t(r)].Set(c), data_columns[size_t(c)].Set(r);
        }
    const MaskPatterns<Words>& patterns = Patterns<Words>();
    std::array<int, 8> scores{};
    std::vector<Line<Words>> rows(count), columns(count);
    for (size_t m = 0; m < 8; ++m) {
        for (size_t i = 0; i < count; ++i) {
            rows[i] = ((data_rows[i] ^ patterns.rows[m][i % 12]) & region_rows[i]) | fixed_rows[i];
            columns[i] = ((data_columns[i] ^ patterns.columns[m][i % 12]) & region_columns[i]) | fixed_columns[i];
        }
        // The format information of this mask, both copies.
        const uint16_t format = QrFormatInfo(level, int(m));
        for (int p = 0; p < 15; ++p) {
            if (!((format >> (14 - p)) & 1)) continue;
            const QrFormatPosition f = QrFormatPositionOf(p, n);
            rows[size_t(f.row1)].Set(f.column1), columns[size_t(f.column1)].Set(f.row1);
            rows[size_t(f.row2)].Set(f.column2), columns[size_t(f.column2)].Set(f.row2);
        }
        scores[m] = StandardPenalty(rows, columns);
    }
    return scores;
}

template <int Words>
int StandardPenaltyOf(const QrGrid& modules) {
    const size_t n = size_t(modules.size);
    std::vector<Line<Words>> rows(n), columns(n);
    for (int r = 0; r < modules.size; ++r)
        for (int c = 0; c < modules.size; ++c)
            if (modules.At(r, c) & 1) rows[size_t(r)].Set(c), columns[size_t(c)].Set(r);
    return StandardPenalty(rows, columns);
}

}  // namespace

std::array<int, 8> QrStandardMaskPenalties(const QrGrid& function_template, const QrGrid& data_bits, QrLevel level) {
    const int n = function_template.size;
    if (n <= 64) return StandardMaskPenaltiesOf<1>(function_template, data_bits, level);
    if (n <= 128) return StandardMaskPenaltiesOf<2>(function_template, data_bits, level);
    return StandardMaskPenaltiesOf<kMaxWords>(function_template, data_bits, level);
}

int QrStandardPenalty(const QrGrid& modules) {
    const int n = modules.size;
    if (n <= 64) return StandardPenaltyOf<1>(modules);
    if (n <= 128) return StandardPenaltyOf<2>(modules);
    return StandardPenaltyOf<kMaxWords>(modules);
}
