#include "symbologies/aztec/aztec_text.h"

#include <algorithm>
#include <array>
#include <climits>


namespace {

enum Mode { kUpper, kLower, kMixed, kPunct, kDigit, kModeCount };
constexpr int kWidth[kModeCount] = {5, 5, 5, 5, 4};

// Codes shared by several modes.
constexpr int kPunctShift = 0;  // in Upper, Lower, Mixed and Digit
constexpr int kBinaryShift = 31;  // in Upper, Lower and Mixed
constexpr int kFlag = 0;  // FLG(n) in Punctuation
constexpr int kLowerUpperShift = 28;
constexpr int kDigitUpperShift = 15;
constexpr int kShortBinaryMost = 31;
constexpr int kLongBinaryLeast = 32;
constexpr int kLongBinaryMost = 2047 + 31;

// A code to write in a mode.
struct Step {
    Mode mode;
    int code;
};

// The shortest latch sequence between each pair of modes (Lower reaches Upper through Digit).
struct Latch {
    int count;
    Step steps[3];
    constexpr int Bits() const {
        int bits = 0;
        for (int s = 0; s < count; ++s) bits += kWidth[steps[s].mode];
        return bits;
    }
};
constexpr Latch kLatch[kModeCount][kModeCount] = {
    // from Upper
    {{0, {}}, {1, {{kUpper, 28}}}, {1, {{kUpper, 29}}}, {2, {{kUpper, 29}, {kMixed, 30}}}, {1, {{kUpper, 30}}}},
    // from Lower
    {{2, {{kLower, 30}, {kDigit, 14}}}, {0, {}}, {1, {{kLower, 29}}}, {2, {{kLower, 29}, {kMixed, 30}}},
     {1, {{kLower, 30}}}},
    // from Mixed
    {{1, {{kMixed, 29}}}, {1, {{kMixed, 28}}}, {0, {}}, {1, {{kMixed, 30}}}, {2, {{kMixed, 29}, {kUpper, 30}}}},
    // from Punctuation
    {{1, {{kPunct, 31}}}, {2, {{kPunct, 31}, {kUpper, 28}}}, {2, {{kPunct, 31}, {kUpper, 29}}}, {0, {}},
     {2, {{kPunct, 31}, {kUpper, 30}}}},
    // from Digit
    {{1, {{kDigit, 14}}}, {2, {{kDigit, 14}, {kUpper, 28}}}, {2, {{kDigit, 14}, {kUpper, 29}}},
     {3, {{kDigit, 14}, {kUpper, 29}, {kMixed, 30}}}, {0, {}}},
};

constexpr std::array<std::array<int, kModeCount>, kModeCount> kLatchBits = [] {
    std::array<std::array<int, kModeCount>, kModeCount> bits{};
    for (int from = 0; from < kModeCount; ++from)
        for (int to = 0; to < kModeCount; ++to) bits[size_t(from)][size_t(to)] = kLatch[from][to].Bits();
    return bits;
}();

// The code of every byte in every mode, -1 where it has none.
using CodeTable = std::array<std::array<int8_t, 256>, kModeCount>;
const CodeTable& Codes() {
    static const CodeTable table = [] {
        CodeTable t;
        for (auto& mode : t) mode.fill(-1);
        for (int m = 0; m < kModeCount; ++m) t[m][' '] = 1;
        for (int c = 0; c < 26; ++c) {
            t[kUpper]['A' + c] = int8_t(2 + c);
            t[kLower]['a' + c] = int8_t(2 + c);
        }
        for (int c = 1; c <= 13; ++c) t[kMixed][c] = int8_t(1 + c);
        const char mixed[] = {27, 28, 29, 30, 31, '@', '\\', '^', '_', '`', '|', '~', 127};
        for (int k = 0; k < 13; ++k) t[kMixed][uint8_t(mixed[k])] = int8_t(15 + k);
        t[kPunct][' '] = -1;
        t[kPunct]['\r'] = 1;
        const char punct[] = "!\"#$%&'()*+,-./:;<=>?[]{}";
        for (int k = 0; punct[k]; ++k) t[kPunct][uint8_t(punct[k])] = int8_t(6 + k);
        for (int c = 0; c < 10; ++c) t[kDigit]['0' + c] = int8_t(2 + c);
        t[kDigit][','] = 12;
        t[kDigit]['.'] = 13;
        return t;
    }();
    return table;
}

// The Punctuation code of two items written as one ("\r\n", ". ", ", ", ": "), or -1.
int PairCode(int first, int second) {
    if (first == '\r' && second == '\n') return 2;
    if (second != ' ') return -1;
    return first == '.' ? 3 : first == ',' ? 4 : first == ':' ? 5 : -1;
}

// Starts of byte runs of `least` to `most` bytes that can end at the current position, kept in the
// order they came with their keys increasing, so the first is the cheapest.
class RunStarts {
public:
    RunStarts(int least, int most, int overhead_bits, int items)
        : overhead(overhead_bits), least_(least), most_(most) {
        starts_.reserve(size_t(items) + 1);
    }

    // Moves the end to `end`: the start `end - least` joins when no FNC1 or ECI lies between (from
    // `run_start` on) and its key is finite; starts out of reach leave.
    template <class Key>
    void Advance(int end, int run_start, const Key& key) {
        if (run_start == end) head_ = starts_.size();
        const int s = end - least_;
        if (s >= run_start && key(s) < INT_MAX / 2) {
            while (starts_.size() > head_ && key(starts_.back()) >= key(s)) starts_.pop_back();
            starts_.push_back(s);
        }
        while (head_ < starts_.size() && starts_[head_] < end - most_) ++head_;
    }
    bool Any() const { return head_ < starts_.size(); }
    int Best() const { return starts_[head_]; }

    const int overhead;  // B/S and the length field, in bits

private:
    int least_;
    int most_;
    std::vector<int> starts_;
    size_t head_ = 0;
};

enum class Action : uint8_t { kNone, kDirect, kPair, kPunctShift, kPunctShiftPair, kUpperShift, kBinary };

struct Arrival {
    int cost = INT_MAX;
    int from = -1;  // item index the action starts at
    Action action = Action::kNone;
};

void Append(std::vector<uint8_t>& bits, int value, int count) {
    for (int i = count - 1; i >= 0; --i) bits.push_back(uint8_t((value >> i) & 1));
}

void Write(std::vector<uint8_t>& bits, Step step) { Append(bits, step.code, kWidth[step.mode]); }

void WriteLatch(std::vector<uint8_t>& bits, Mode from, Mode to) {
    const Latch& latch = kLatch[from][to];
    for (int s = 0; s < latch.count; ++s) Write(bits, latch.steps[s]);
}

std::string EciDigits(int item) { return std::to_string(item - kAztecEciItem); }

// Bits of FLG(n) after its Punctuation code: n, then for an ECI its n digits.
int FlagBits(int item) { return item == kAztecFnc1 ? 3 : 3 + 4 * int(EciDigits(item).size()); }

// An item written in `mode` (latched there or shifted to it): FNC1 is FLG(0), an ECI FLG(n).
void WriteItem(std::vector<uint8_t>& bits, Mode mode, int item) {
    if (item == kAztecFnc1) {
        Write(bits, {kPunct, kFlag});
        Append(bits, 0, 3);
    } else if (item >= kAztecEciItem) {
        const std::string digits = EciDigits(item);
        Write(bits, {kPunct, kFlag});
        Append(bits, int(digits.size()), 3);
        for (const char d : digits) Write(bits, {kDigit, 2 + (d - '0')});
    } else {
        Write(bits, {mode, Codes()[mode][size_t(item)]});
    }
}

}  // namespace

void AppendAztecItems(std::vector<uint8_t>& bits, const std::vector<int>& items) {
    const CodeTable& codes = Codes();
    const int n = int(items.size());
    // arrive[i][m]: the cheapest way to have written items[0, i) with `m` latched, before any latch
    // at i; latched_from[i][m]: the mode at i that latches to m at the least total.
    std::vector<std::array<Arrival, kModeCount>> arrive(size_t(n) + 1);
    std::vector<std::array<int, kModeCount>> best(size_t(n) + 1);
    std::vector<std::array<int8_t, kModeCount>> latched_from(size_t(n) + 1);
    arrive[0][kUpper].cost = 0;
    auto relax = [&](int j, Mode m, int cost, int from, Action action) {
        Arrival& a = arrive[size_t(j)][m];
        if (cost < a.cost) a = Arrival{cost, from, action};
    };
    // A byte run costs the same per byte wherever it starts, so the best start for each end is a
    // sliding minimum of best[s][m] - 8 s: one window for short runs, one for long ones, per mode.
    std::vector<RunStarts> runs;  // short runs then long ones, each for Upper, Lower and Mixed
    runs.reserve(6);
    for (const bool long_run : {false, true})
        for (int m = 0; m < 3; ++m)
            runs.emplace_back(long_run ? kLongBinaryLeast : 1, long_run ? kLongBinaryMost : kShortBinaryMost,
                              long_run ? 21 : 10, n);
    int run_start = 0;  // where the bytes a run may hold begin: after the last FNC1 or ECI
    for (int i = 0; i <= n; ++i) {
        if (i > 0 && items[size_t(i - 1)] > 255) run_start = i;
        for (const Mode m : {kUpper, kLower, kMixed}) {
            const auto key = [&](int t) { return best[size_t(t)][m] - 8 * t; };
            for (const int w : {0, 3}) {
                RunStarts& window = runs[size_t(w + m)];
                window.Advance(i, run_start, key);
                if (window.Any()) {
                    const int t = window.Best();
                    relax(i, m, best[size_t(t)][m] + window.overhead + 8 * (i - t), t, Action::kBinary);
                }
            }
        }
        for (int to = 0; to < kModeCount; ++to) {
            best[size_t(i)][to] = INT_MAX;
            for (int from = 0; from < kModeCount; ++from) {
                const int c = arrive[size_t(i)][from].cost;
                if (c == INT_MAX) continue;
                const int total = c + kLatchBits[size_t(from)][size_t(to)];
                if (total < best[size_t(i)][to] || (total == best[size_t(i)][to] && from == to)) {
                    best[size_t(i)][to] = total;
                    latched_from[size_t(i)][to] = int8_t(from);
                }
            }
        }
        if (i == n) break;
        const int item = items[size_t(i)];
        const int pair = i + 1 < n ? PairCode(item, items[size_t(i + 1)]) : -1;
        const bool flag = item > 255;
        const bool in_punct = flag || codes[kPunct][size_t(item)] >= 0;
        for (int mi = 0; mi < kModeCount; ++mi) {
            const Mode m = Mode(mi);
            const int cost = best[size_t(i)][m];
            if (cost == INT_MAX) continue;
            const int flag_bits = flag ? FlagBits(item) : 0;
            if (m == kPunct) {
                if (in_punct) relax(i + 1, m, cost + 5 + flag_bits, i, Action::kDirect);
                if (pair >= 0) relax(i + 2, m, cost + 5, i, Action::kPair);
                continue;
            }
            if (!flag && codes[m][size_t(item)] >= 0) relax(i + 1, m, cost + kWidth[m], i, Action::kDirect);
            if (in_punct) relax(i + 1, m, cost + kWidth[m] + 5 + flag_bits, i, Action::kPunctShift);
            if (pair >= 0) relax(i + 2, m, cost + kWidth[m] + 5, i, Action::kPunctShiftPair);
            if ((m == kLower || m == kDigit) && !flag && codes[kUpper][size_t(item)] >= 0)
                relax(i + 1, m, cost + kWidth[m] + 5, i, Action::kUpperShift);
        }
    }

    // Back from the cheapest end: each action with the mode it was taken in; the latches are the
    // changes of mode between them.
    struct Planned {
        Mode mode;
        int from;
        int to;
        Action action;
    };
    std::vector<Planned> plan;
    Mode mode = Mode(std::min_element(best[size_t(n)].begin(), best[size_t(n)].end()) - best[size_t(n)].begin());
    for (int i = n; i > 0;) {
        const Mode before = Mode(latched_from[size_t(i)][mode]);
        const Arrival& a = arrive[size_t(i)][before];
        plan.push_back(Planned{before, a.from, i, a.action});
        i = a.from;
        mode = before;
    }
    std::reverse(plan.begin(), plan.end());
    Mode current = kUpper;
    for (const Planned& p : plan) {
        // The action arriving at p.to was taken in the mode latched at p.from.
        const Mode taken = p.mode;
        WriteLatch(bits, current, taken);
        current = taken;
        switch (p.action) {
            case Action::kDirect:
                WriteItem(bits, taken, items[size_t(p.from)]);
                break;
            case Action::kPair:
                Write(bits, {kPunct, PairCode(items[size_t(p.from)], items[size_t(p.from + 1)])});
                break;
            case Action::kPunctShift:
                Write(bits, {taken, kPunctShift});
                WriteItem(bits, kPunct, items[size_t(p.from)]);
                break;
            case Action::kPunctShiftPair:
                Write(bits, {taken, kPunctShift});
                Write(bits, {kPunct, PairCode(items[size_t(p.from)], items[size_t(p.from + 1)])});
                break;
            case Action::kUpperShift:
                Write(bits, {taken, taken == kLower ? kLowerUpperShift : kDigitUpperShift});
                WriteItem(bits, kUpper, items[size_t(p.from)]);
                break;
            case Action::kBinary: {
                const int length = p.to - p.from;
                Write(bits, {taken, kBinaryShift});
                if (length <= kShortBinaryMost) {
                    Append(bits, length, 5);
                } else {
                    Append(bits, 0, 5);
                    Append(bits, length - kShortBinaryMost, 11);
                }
                for (int k = p.from; k < p.to; ++k) Append(bits, items[size_t(k)], 8);
                break;
            }
            case Action::kNone:
                break;
        }
    }
}

void AppendAztecStructuredAppendLatches(std::vector<uint8_t>& bits) {
    WriteLatch(bits, kUpper, kMixed);
    WriteLatch(bits, kMixed, kUpper);
}
