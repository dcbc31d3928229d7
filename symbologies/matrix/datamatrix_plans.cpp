#include "symbologies/matrix/datamatrix_plans.h"

#include <algorithm>
#include <array>
#include <deque>

namespace datamatrix {

namespace {

constexpr Mode kNonAsciiModes[] = {Mode::kC40, Mode::kText, Mode::kX12, Mode::kEdifact};

int Index(Mode mode) { return int(mode); }

// The end of the shortest run from `begin` whose C40 or Text values fill whole triplets; when the
// data ends first, the data's end. `count` receives the run's number of values.
int TripletChunkEnd(const std::string& data, Mode mode, int begin, int& count) {
    uint8_t values[4];
    count = 0;
    int i = begin;
    while (i < int(data.size())) {
        count += TripletValues(mode, uint8_t(data[size_t(i++)]), values);
        if (count % 3 == 0) break;
    }
    return i;
}

// Minimum of a sliding window of (value, position) entries, oldest first.
class WindowMinimum {
public:
    void Push(int value, int position) {
        while (!entries_.empty() && entries_.back().first >= value) entries_.pop_back();
        entries_.emplace_back(value, position);
    }
    void DropBefore(int position) {
        while (!entries_.empty() && entries_.front().second < position) entries_.pop_front();
    }
    bool Empty() const { return entries_.empty(); }
    int Value() const { return entries_.front().first; }
    int Position() const { return entries_.front().second; }

private:
    std::deque<std::pair<int, int>> entries_;
};

// For each position, how many bytes from there on `mode` can hold.
std::vector<int> HeldRuns(const std::string& data, Mode mode) {
    std::vector<int> runs(data.size() + 1, 0);
    for (size_t i = data.size(); i-- > 0;) runs[i] = Holds(mode, uint8_t(data[i])) ? runs[i + 1] + 1 : 0;
    return runs;
}

// Appends steps while counting the codewords written so far, which decide how a mode is left.
class PlanBuilder {
public:
    PlanBuilder(const std::string& data, int capacity) : data_(data), capacity_(capacity) {}

    int Written() const { return written_; }
    void Add(const Step& step) {
        written_ += StepSize(step, data_);
        plan_.steps.push_back(step);
    }
    void Latch(Mode mode, int at) {
        Add({StepKind::kLatch, mode, at, at});
        mode_ = mode;
    }
    void Unlatch(int at) {
        Add(UnlatchAt(mode_, at, written_, capacity_));
        mode_ = Mode::kAscii;
    }
    void UnlatchAfter(const Step& values_and_unlatch) {
        Add(values_and_unlatch);
        mode_ = Mode::kAscii;
    }
    void Ascii(int begin, int end) {
        for (int i = begin; i < end;) {
            const Step step = AsciiStepAt(data_, i, end);
            Add(step);
            i = step.end;
        }
    }
    Plan Finish() {
        plan_.final_mode = mode_;
        return std::move(plan_);
    }

private:
    const std::string& data_;
    const int capacity_;
    int written_ = 0;
    Mode mode_ = Mode::kAscii;
    Plan plan_;
};

Plan PlanTriplets(const std::string& data, Mode mode, int capacity) {
    const int n = int(data.size());
    PlanBuilder builder(data, capacity);
    int count = 0;
    TripletChunkEnd(data, mode, 0, count);
    if (count % 3 == 1) {  // a lone value, which only ASCII can end with
        builder.Ascii(0, n);
        return builder.Finish();
    }
    builder.Latch(mode, 0);
    for (int i = 0; i < n;) {
        const int end = TripletChunkEnd(data, mode, i, count);
        if (count % 3 != 1) {  // whole triplets, or a final pair padded with Shift 1
            builder.Add({StepKind::kValues, mode, i, end});
        } else {
            builder.Unlatch(i);
            builder.Ascii(i, end);
        }
        i = end;
    }
    return builder.Finish();
}

// X12 and EDIFACT hold only some bytes, the rest is ASCII. X12 takes whole triplets only; EDIFACT
// also ends a run in a part group with its unlatch value, where a reader still takes it as EDIFACT.
Plan PlanRuns(const std::string& data, Mode mode, int capacity) {
    const int n = int(data.size());
    const bool edifact = mode == Mode::kEdifact;
    const int unit = edifact ? 4 : 3;
    const std::vector<int> runs = HeldRuns(data, mode);
    PlanBuilder builder(data, capacity);
    auto worth_latching = [&](int run) {
        return run >= unit || (edifact && run > 0 && ReadsAsModeValues(mode, builder.Written() + 1, capacity));
    };
    for (int i = 0; i < n;) {
        if (worth_latching(runs[size_t(i)])) {
            const int run = runs[size_t(i)];
            const int whole = run - run % unit;
            builder.Latch(mode, i);
            if (whole > 0) builder.Add({StepKind::kValues, mode, i, i + whole});
            i += whole;
            const int rest = run % unit;
            if (edifact && rest > 0 && ReadsAsModeValues(mode, builder.Written(), capacity)) {
                builder.UnlatchAfter({StepKind::kValuesUnlatch, mode, i, i + rest});
                i += rest;
            } else if (i < n) {
                builder.Unlatch(i);
            }
        }
        int next = i;
        while (next < n && !worth_latching(runs[size_t(next)])) ++next;
        builder.Ascii(i, next);
        i = next;
    }
    return builder.Finish();
}

}  // namespace

Plan PlanSingleMode(const std::string& data, Mode mode, int capacity) {
    if (mode == Mode::kC40 || mode == Mode::kText) return PlanTriplets(data, mode, capacity);
    if (mode == Mode::kX12 || mode == Mode::kEdifact) return PlanRuns(data, mode, capacity);
    PlanBuilder builder(data, capacity);
    builder.Ascii(0, int(data.size()));
    return builder.Finish();
}

Plan PlanBase256(const std::string& data) {
    Plan plan;
    for (int i = 0; i < int(data.size()); i += kMaxBase256Run)
        plan.steps.push_back({StepKind::kBase256, Mode::kAscii, i, std::min(int(data.size()), i + kMaxBase256Run)});
    return plan;
}

// Shortest path over (bytes encoded, mode), where C40, Text, X12 and EDIFACT states sit on whole
// triplets or groups. Leaving a mode is priced where it happens, so the path is the shortest for
// this capacity.
Plan PlanMinimal(const std::string& data, int capacity, bool fnc1_separators) {
    const int n = int(data.size());
    constexpr int kUnreached = INT_MAX;
    struct Cell {
        int cost = kUnreached;
        Step step{};
        Mode from = Mode::kAscii;
    };
    std::vector<std::array<Cell, kModeCount>> cells(size_t(n) + 1);
    cells[0][Index(Mode::kAscii)].cost = 0;
    auto cost_at = [&](int i, Mode mode) { return cells[size_t(i)][Index(mode)].cost; };
    // `size`: the step's codewords, StepSize(step, data).
    auto relax_sized = [&](Mode from, Mode to, const Step& step, int size) {
        const int cost = cost_at(step.begin, from) + size;
        Cell& target = cells[size_t(step.end)][Index(to)];
        if (cost < target.cost) target = {cost, step, from};
    };
    auto relax = [&](Mode from, Mode to, const Step& step) { relax_sized(from, to, step, StepSize(step, data)); };
    const std::vector<int> edifact_runs = HeldRuns(data, Mode::kEdifact);
    const std::vector<int> x12_runs = HeldRuns(data, Mode::kX12);
    // A Base 256 run from i to j costs j - i plus the latch and a length field of one byte (runs up
    // to 249) or two, so the best run into j starts where the ASCII cost less the position is least.
    WindowMinimum short_runs, long_runs;
    auto ascii_less_position = [&](int i) { return cost_at(i, Mode::kAscii) - i; };
    int base256_start = 0;  // runs start after the last FNC1

    for (int i = 0; i <= n; ++i) {
        if (fnc1_separators && i > 0 && data[size_t(i) - 1] == '\x1d') base256_start = i;
        short_runs.DropBefore(std::max(i - 249, base256_start));
        if (i >= 250) long_runs.Push(ascii_less_position(i - 250), i - 250);
        long_runs.DropBefore(std::max(i - kMaxBase256Run, base256_start));
        if (!short_runs.Empty()) relax(Mode::kAscii, Mode::kAscii, {StepKind::kBase256, Mode::kAscii, short_runs.Position(), i});
        if (!long_runs.Empty()) relax(Mode::kAscii, Mode::kAscii, {StepKind::kBase256, Mode::kAscii, long_runs.Position(), i});
        for (Mode mode : kNonAsciiModes)
            if (cost_at(i, mode) != kUnreached) relax(mode, Mode::kAscii, UnlatchAt(mode, i, cost_at(i, mode), capacity));
        short_runs.Push(ascii_less_position(i), i);
        const bool ascii = cost_at(i, Mode::kAscii) != kUnreached;
        if (ascii)
            for (Mode mode : kNonAsciiModes) relax(Mode::kAscii, mode, {StepKind::kLatch, mode, i, i});
        if (i == n) break;

        if (ascii) {
            relax(Mode::kAscii, Mode::kAscii, {StepKind::kAscii, Mode::kAscii, i, i + 1});
            const Step pair = AsciiStepAt(data, i, n);
            if (pair.end == i + 2) relax(Mode::kAscii, Mode::kAscii, pair);
        }
        for (Mode mode : {Mode::kC40, Mode::kText}) {
            if (cost_at(i, mode) == kUnreached) continue;
            int count = 0;
            const int end = TripletChunkEnd(data, mode, i, count);
            // Two codewords a triplet, a last pair padded: the chunk's size without counting again.
            if (count % 3 != 1) relax_sized(mode, mode, {StepKind::kValues, mode, i, end}, 2 * ((count + 2) / 3));
        }
        if (cost_at(i, Mode::kX12) != kUnreached && x12_runs[size_t(i)] >= 3)
            relax(Mode::kX12, Mode::kX12, {StepKind::kValues, Mode::kX12, i, i + 3});
        const int edifact_cost = cost_at(i, Mode::kEdifact);
        if (edifact_cost != kUnreached) {
            const int run = edifact_runs[size_t(i)];
            if (run >= 4) relax(Mode::kEdifact, Mode::kEdifact, {StepKind::kValues, Mode::kEdifact, i, i + 4});
            if (ReadsAsModeValues(Mode::kEdifact, edifact_cost, capacity))
                for (int k = 1; k <= std::min(run, 3); ++k)
                    relax(Mode::kEdifact, Mode::kAscii, {StepKind::kValuesUnlatch, Mode::kEdifact, i, i + k});
        }
    }

    Mode mode = Mode::kAscii;
    for (Mode m : kNonAsciiModes)
        if (cost_at(n, m) < cost_at(n, mode)) mode = m;
    Plan plan;
    plan.final_mode = mode;
    plan.fnc1_separators = fnc1_separators;
    for (int i = n; i > 0 || mode != Mode::kAscii;) {
        const Cell& cell = cells[size_t(i)][Index(mode)];
        plan.steps.push_back(cell.step);
        i = cell.step.begin;
        mode = cell.from;
    }
    std::reverse(plan.steps.begin(), plan.steps.end());
    return plan;
}

}  // namespace datamatrix
