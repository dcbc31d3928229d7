#include "symbologies/matrix/pdf417_minimal.h"

#include <array>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "core/text_encoding/digits.h"
#include "symbologies/matrix/pdf417_compaction.h"

namespace {

// Costs are in halves of a codeword: a text value is one, any other codeword two.
constexpr int kUnreachable = std::numeric_limits<int>::max() / 4;

enum Sub : int { kAlpha, kLower, kMixed, kPunctuation };
constexpr unsigned kSubBit[4] = {kPdf417Alpha, kPdf417Lower, kPdf417Mixed, kPdf417Punctuation};

// Values that latch from one sub-mode to another (none from a sub-mode to itself).
struct Latch {
    int count;
    int values[2];
};
constexpr Latch kLatches[4][4] = {
    {{0, {}}, {1, {27}}, {1, {28}}, {2, {28, 25}}},       // from alpha
    {{2, {28, 28}}, {0, {}}, {1, {28}}, {2, {28, 25}}},   // from lower
    {{1, {28}}, {1, {27}}, {0, {}}, {1, {25}}},           // from mixed
    {{1, {29}}, {2, {29, 27}}, {2, {29, 28}}, {0, {}}},   // from punctuation
};

// States: text in a sub-mode with an even or odd number of values so far (8); after a byte or
// numeric run (1); in byte compaction with r bytes of an unfinished group of 6 (6); in numeric
// compaction with r digits of an unfinished group of 44 (44).
constexpr int kText = 0, kAfterRun = 8, kByte = 9, kNumeric = 15, kStates = 59;
constexpr int kGroupBytes = 6, kGroupDigits = 44;
int TextState(int sub, int odd) { return kText + 2 * sub + odd; }

// Codewords of a numeric group of d digits: d / 3 + 1.
int NumericCodewords(int digits) { return digits == 0 ? 0 : digits / 3 + 1; }

enum class Step : uint8_t {
    kNone,
    kStart,
    kValue,         // the byte's value in the current sub-mode
    kShiftValue,    // a one-character shift (27 lower to alpha, 29 to punctuation) and the value
    kLatchTo,       // sub-mode latch values, no byte
    kByteShift,     // (a pad,) 913 and the byte
    kTextLatch,     // 900 after a byte or numeric run
    kEnterByte,     // 901 / 924 (a pad before it when text values are odd)
    kEnterNumeric,  // 902 (likewise)
    kRunByte,       // one byte in byte compaction
    kRunDigit,      // one digit in numeric compaction
    kLeaveRun,      // the run ends here
};

struct Cell {
    int cost = kUnreachable;
    Step step = Step::kNone;
    int from = -1;  // the state before, at this position or the one before
};

class Planner {
public:
    explicit Planner(const std::string& bytes) : bytes_(bytes), cells_(bytes.size() + 1) {
        cells_[0][TextState(kAlpha, 0)] = {0, Step::kStart, -1};
        for (size_t p = 0; p <= bytes_.size(); ++p) {
            Settle(p);
            if (p < bytes_.size()) Advance(p);
        }
    }

    std::vector<int> Codewords() const {
        const size_t n = bytes_.size();
        int best = -1, best_cost = kUnreachable;
        for (int s = 0; s < kStates; ++s) {
            const int cost = cells_[n][s].cost + (s < kAfterRun ? s % 2 : 0);
            if (cost < best_cost) best = s, best_cost = cost;
        }
        if ((best_cost + 1) / 2 + 1 > kPdf417MaxDataCodewords) throw std::out_of_range("The text is too big.");
        // The steps from the start, then their codewords.
        std::vector<std::pair<size_t, int>> path;  // (position, state)
        for (size_t p = n; best >= 0;) {
            path.emplace_back(p, best);
            const Cell& cell = cells_[p][best];
            const bool consumes = cell.step == Step::kValue || cell.step == Step::kShiftValue ||
                                  cell.step == Step::kByteShift || cell.step == Step::kRunByte ||
                                  cell.step == Step::kRunDigit;
            best = cell.from;
            if (consumes) --p;
        }
        return Emit(std::vector<std::pair<size_t, int>>(path.rbegin(), path.rend()));
    }

private:
    void Relax(size_t p, int state, int cost, Step step, int from) {
        Cell& cell = cells_[p][state];
        if (cost < cell.cost) cell = {cost, step, from};
    }

    // Moves that take no byte at p, in an order where each can feed the next.
    void Settle(size_t p) {
        auto& here = cells_[p];
        for (int s = kByte; s < kStates; ++s) Relax(p, kAfterRun, here[s].cost, Step::kLeaveRun, s);
        Relax(p, TextState(kAlpha, 0), here[kAfterRun].cost + 2, Step::kTextLatch, kAfterRun);
        for (int round = 0; round < 3; ++round)
            for (int from = 0; from < 8; ++from) {
                if (here[from].cost >= kUnreachable) continue;
                for (int sub = 0; sub < 4; ++sub) {
                    const Latch& latch = kLatches[from / 2][sub];
                    if (latch.count == 0) continue;
                    Relax(p, TextState(sub, (from + latch.count) % 2), here[from].cost + latch.count, Step::kLatchTo,
                          from);
                }
            }
        for (int from = 0; from <= kAfterRun; ++from) {
            const int pad = from < kAfterRun ? from % 2 : 0;
            Relax(p, kByte, here[from].cost + pad + 2, Step::kEnterByte, from);
            if (p < bytes_.size() && IsDigit(bytes_[p]))
                Relax(p, kNumeric, here[from].cost + pad + 2, Step::kEnterNumeric, from);
        }
    }

    // Moves that take byte p.
    void Advance(size_t p) {
        const auto& here = cells_[p];
        const unsigned char c = bytes_[p];
        const Pdf417TextClass text = ClassifyPdf417Text(c);
        for (int s = 0; s < kAfterRun; ++s) {
            const int sub = s / 2, odd = s % 2, cost = here[s].cost;
            if (cost >= kUnreachable) continue;
            if (text.modes & kSubBit[sub]) Relax(p + 1, TextState(sub, 1 - odd), cost + 1, Step::kValue, s);
            // 27 shifts lower to alpha for one character; 29 alpha, lower and mixed to punctuation.
            if ((sub == kLower && (text.modes & kPdf417Alpha)) ||
                (sub != kPunctuation && (text.modes & kPdf417Punctuation) && !(text.modes & kSubBit[sub])))
                Relax(p + 1, TextState(sub, odd), cost + 2, Step::kShiftValue, s);
            // A pad 29 in punctuation latches back to alpha.
            const int after = sub == kPunctuation && odd ? kAlpha : sub;
            Relax(p + 1, TextState(after, 0), cost + odd + 4, Step::kByteShift, s);
        }
        for (int r = 0; r < kGroupBytes; ++r) {
            if (here[kByte + r].cost >= kUnreachable) continue;
            const int next = (r + 1) % kGroupBytes;
            Relax(p + 1, kByte + next, here[kByte + r].cost + (next == 0 ? 0 : 2), Step::kRunByte, kByte + r);
        }
        if (IsDigit(bytes_[p]))
            for (int r = 0; r < kGroupDigits; ++r) {
                if (here[kNumeric + r].cost >= kUnreachable) continue;
                const int added = 2 * (NumericCodewords(r + 1) - NumericCodewords(r));
                Relax(p + 1, kNumeric + (r + 1) % kGroupDigits, here[kNumeric + r].cost + added, Step::kRunDigit,
                      kNumeric + r);
            }
    }

    std::vector<int> Emit(const std::vector<std::pair<size_t, int>>& path) const {
        std::vector<int> codewords{0};
        std::vector<int> values;  // text values not yet paired
        int sub = kAlpha;
        const auto flush = [&] {
            if (values.size() % 2 == 1) values.push_back(29);
            for (size_t i = 0; i < values.size(); i += 2) codewords.push_back(30 * values[i] + values[i + 1]);
            values.clear();
        };
        size_t run_start = 0;
        for (size_t k = 1; k < path.size(); ++k) {
            const auto [p, state] = path[k];
            const Cell& cell = cells_[p][state];
            const size_t at = p - 1;  // the byte a consuming step took
            switch (cell.step) {
                case Step::kValue: values.push_back(ClassifyPdf417Text(bytes_[at]).value); break;
                case Step::kShiftValue:
                    values.push_back(sub == kLower && (ClassifyPdf417Text(bytes_[at]).modes & kPdf417Alpha) ? 27 : 29);
                    values.push_back(ClassifyPdf417Text(bytes_[at]).value);
                    break;
                case Step::kLatchTo: {
                    const Latch& latch = kLatches[cell.from / 2][state / 2];
                    values.insert(values.end(), latch.values, latch.values + latch.count);
                    sub = state / 2;
                    break;
                }
                case Step::kByteShift:
                    flush();
                    sub = state / 2;
                    codewords.push_back(kPdf417ByteShift);
                    codewords.push_back(static_cast<unsigned char>(bytes_[at]));
                    break;
                case Step::kTextLatch:
                    codewords.push_back(kPdf417TextLatch);
                    sub = kAlpha;
                    break;
                case Step::kEnterByte:
                case Step::kEnterNumeric:
                    flush();
                    run_start = p;
                    break;
                case Step::kLeaveRun: {
                    const Pdf417Segment run{cell.from >= kNumeric ? 'N' : 'B', run_start, p};
                    if (run.type == 'N') {
                        codewords.push_back(kPdf417NumericLatch);
                        AppendPdf417Numeric(bytes_, run, codewords);
                    } else {
                        codewords.push_back(run.Length() % 6 == 0 ? kPdf417ByteLatch6 : kPdf417ByteLatch);
                        AppendPdf417Bytes(bytes_, run, codewords);
                    }
                    break;
                }
                default: break;
            }
        }
        const auto [end, last] = path.back();
        if (last >= kByte) {
            // The symbol ends inside a run: written as if it left it there.
            const Pdf417Segment run{last >= kNumeric ? 'N' : 'B', run_start, end};
            codewords.push_back(run.type == 'N' ? kPdf417NumericLatch
                                                : run.Length() % 6 == 0 ? kPdf417ByteLatch6 : kPdf417ByteLatch);
            if (run.type == 'N') AppendPdf417Numeric(bytes_, run, codewords);
            else AppendPdf417Bytes(bytes_, run, codewords);
        }
        flush();
        codewords[0] = int(codewords.size());
        return codewords;
    }

    const std::string& bytes_;
    std::vector<std::array<Cell, kStates>> cells_;
};

}  // namespace

std::vector<int> CompactPdf417Minimal(const std::string& bytes) {
    if (bytes.empty()) throw std::runtime_error("Text cannot be null.");
    if (bytes.size() > kPdf417MaxInputBytes) throw std::out_of_range("The text is too big.");
    return Planner(bytes).Codewords();
}
