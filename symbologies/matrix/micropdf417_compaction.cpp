#include "symbologies/matrix/micropdf417_compaction.h"

#include <cstdint>

#include "core/text_encoding/digits.h"
#include "symbologies/matrix/pdf417_compaction.h"

namespace {

// Text compaction's four sub-modes, then bytes and digits.
enum class Mode : uint8_t { Alpha = 1, Lower, Mixed, Punctuation, Byte, Numeric };
constexpr int kModes = 6;

bool IsText(Mode m) { return m <= Mode::Punctuation; }
bool SameCompaction(Mode a, Mode b) { return a == b || (IsText(a) && IsText(b)); }
unsigned TableOf(Mode m) { return 1u << (int(m) - 1); }  // the sub-mode's kPdf417* bit

unsigned Tables(unsigned char c) { return ClassifyPdf417Text(c).modes; }

// ---- the search: at each input position, per mode, the cheapest way found to get there ----

// A step that ends in `mode` after `len` bytes from `from`. Text is counted in values (two to a
// codeword), bytes in bytes (six to five codewords), digits in digits (44 to 15 codewords).
struct Edge {
    Mode mode{};
    bool used = false;
    int from = 0;
    int len = 0;
    int units = 0;      // values / bytes / digits since the compaction was entered
    int unit_size = 0;  // codewords those units take
    int size = 0;       // codewords before the compaction was entered, its latch included
    int previous = -1;  // index of the step before, -1 at the start

    int Codewords() const { return size + unit_size; }
};

// Values that move from sub-mode `from` (or from outside text) into text sub-mode `to`.
int LatchValues(Mode to, Mode from) {
    if (to == from) return 0;
    switch (to) {
    case Mode::Alpha: return IsText(from) ? 1 + (from == Mode::Lower) : 0;  // a latch into text starts in alpha
    case Mode::Lower:
    case Mode::Mixed: return 1 + (from == Mode::Punctuation);
    default: return 1 + (from != Mode::Mixed);
    }
}

Edge MakeEdge(const std::vector<Edge>& edges, Mode mode, int from, int len, unsigned tables, int previous) {
    Edge e;
    e.mode = mode;
    e.from = from;
    e.len = len;
    e.previous = previous;
    Mode before = Mode::Byte;  // where a symbol starts
    int units = 0;
    e.size = 1;
    if (previous >= 0) {
        const Edge& p = edges[size_t(previous)];
        before = p.mode;
        if (SameCompaction(mode, p.mode)) {
            e.size = p.size;
            units = p.units;
        } else {
            e.size = p.size + p.unit_size + 1;
        }
    }
    if (IsText(mode)) {
        if (tables != 0) {
            units += LatchValues(mode, before);
            const bool own = mode == Mode::Punctuation || (tables & TableOf(mode));
            units += (own ? 1 : 2) * len;  // a character, or a shift and the character
        } else {  // a byte shifted into text: pad to a whole codeword, then 913 and the byte
            if (mode == Mode::Punctuation && units % 2 != 0) {
                units += 3;  // the pad latches to alpha, so punctuation is latched to again
            } else {
                units += units % 2;
                units += LatchValues(mode, before);
            }
            units += 4;
        }
        e.unit_size = (units + 1) / 2;
    } else if (mode == Mode::Byte) {
        units += len;
        e.unit_size = units / 6 * 5 + units % 6;
    } else {
        units += len;
        e.unit_size = units / 44 * 15 + (units % 44 != 0 ? units % 44 / 3 + 1 : 0);
    }
    e.units = units;
    return e;
}

// Of two ways of equal codewords, whether the new one's units are the better place to go on from.
bool NewUnitsBetter(Mode mode, int new_units, int old_units) {
    if (IsText(mode) && new_units % 2 != old_units % 2) return new_units % 2 != 0;
    if (mode == Mode::Byte && new_units % 6 != old_units % 6) return new_units % 6 != 0;
    return old_units < new_units;
}

class Search {
public:
    explicit Search(const std::string& bytes) : bytes_(bytes), edges_((bytes.size() + 1) * kModes) {}

    std::vector<Edge> Run() {
        const int n = int(bytes_.size());
        AddEdges(0, -1);
        for (int i = 1; i < n; ++i) {
            for (int m = 0; m < kModes; ++m) {
                if (edges_[size_t(i * kModes + m)].used) AddEdges(i, i * kModes + m);
            }
        }
        int best = -1;
        for (int index = n * kModes; index < (n + 1) * kModes; ++index) {
            const Edge& e = edges_[size_t(index)];
            if (e.used && (best < 0 || e.Codewords() < edges_[size_t(best)].Codewords())) best = index;
        }
        std::vector<Edge> path;
        for (int i = best; i >= 0; i = edges_[size_t(i)].previous) path.insert(path.begin(), edges_[size_t(i)]);
        return path;
    }

private:
    int RunLength(int from, unsigned tables) const {
        int i = from;
        while (i < int(bytes_.size()) && (Tables(bytes_[size_t(i)]) & tables)) ++i;
        return i - from;
    }
    int DigitRun(int from) const {
        int i = from;
        while (i < int(bytes_.size()) && IsDigit(bytes_[size_t(i)])) ++i;
        return i - from;
    }

    void AddEdge(Mode mode, int from, int len, unsigned tables, int previous) {
        const Edge e = MakeEdge(edges_, mode, from, len, tables, previous);
        Edge& slot = edges_[size_t((from + len) * kModes + int(mode) - 1)];
        if (!slot.used || slot.Codewords() > e.Codewords() ||
            (slot.Codewords() == e.Codewords() && NewUnitsBetter(mode, e.units, slot.units))) {
            slot = e;
            slot.used = true;
        }
    }

    // Every step from `from`: a run in each sub-mode that holds the byte, the byte alone by a shift
    // where a sub-mode does not, the digit run, and the byte in byte compaction.
    void AddEdges(int from, int previous) {
        const unsigned char c = bytes_[size_t(from)];
        const unsigned t = Tables(c);
        const bool shift = t == 0 || (t & kPdf417Punctuation);
        if (t & kPdf417Alpha) AddEdge(Mode::Alpha, from, RunLength(from, kPdf417Alpha), kPdf417Alpha, previous);
        if (shift) AddEdge(Mode::Alpha, from, 1, t & ~kPdf417Alpha, previous);
        if (t & kPdf417Lower) AddEdge(Mode::Lower, from, RunLength(from, kPdf417Lower), kPdf417Lower, previous);
        if (shift || (t & kPdf417Alpha)) AddEdge(Mode::Lower, from, 1, t & ~kPdf417Lower, previous);
        if (t & kPdf417Mixed) {
            const int len = RunLength(from, kPdf417Mixed);
            AddEdge(Mode::Mixed, from, len, kPdf417Mixed, previous);
            // Stopping before a digit lets numeric compaction take the digits.
            if (len > 1 && IsDigit(bytes_[size_t(from) + 1])) AddEdge(Mode::Mixed, from, 1, kPdf417Mixed, previous);
        }
        if (shift) AddEdge(Mode::Mixed, from, 1, t & ~kPdf417Mixed, previous);
        if (t & kPdf417Punctuation) {
            AddEdge(Mode::Punctuation, from, RunLength(from, kPdf417Punctuation), kPdf417Punctuation, previous);
        }
        if (t == 0) AddEdge(Mode::Punctuation, from, 1, 0, previous);
        if (IsDigit(c)) AddEdge(Mode::Numeric, from, DigitRun(from), 0, previous);
        AddEdge(Mode::Byte, from, 1, 0, previous);
    }

    const std::string& bytes_;
    std::vector<Edge> edges_;  // (position, mode) -> the cheapest step that ends there in that mode
};

// ---- writing the codewords ----

constexpr int kShiftPunctuation = 29;  // in punctuation: latch to alpha; the pad value

// Values that latch from text sub-mode `from` to `to`.
void AppendSubModeLatch(unsigned from, unsigned to, std::vector<int>& values) {
    auto index = [](unsigned table) { return table == 1 ? 0 : table == 2 ? 1 : table == 4 ? 2 : 3; };
    // [from][to]: up to two values, 0 for none.
    static constexpr int kLatch[4][4][2] = {
        {{0, 0}, {27, 0}, {28, 0}, {28, 25}},   // from alpha
        {{28, 28}, {0, 0}, {28, 0}, {28, 25}},  // from lower
        {{28, 0}, {27, 0}, {0, 0}, {25, 0}},    // from mixed
        {{29, 0}, {29, 27}, {29, 28}, {0, 0}},  // from punctuation
    };
    for (const int v : kLatch[index(from)][index(to)]) {
        if (v != 0) values.push_back(v);
    }
}

void FlushValues(std::vector<int>& values, std::vector<int>& codewords) {
    for (size_t i = 0; i + 1 < values.size(); i += 2) codewords.push_back(30 * values[i] + values[i + 1]);
    values.clear();
}

struct Writer {
    const std::string& bytes;
    std::vector<int> codewords;
    bool in_text = false;            // text compaction is the current mode (a byte shift keeps it)
    unsigned table = kPdf417Alpha;   // text sub-mode
    bool text_padded = false;        // the last text ended with a pad value

    // Consecutive text steps path[first..last].
    void Text(const std::vector<Edge>& path, size_t first, size_t last) {
        if (!in_text) {
            codewords.push_back(kPdf417TextLatch);
            table = kPdf417Alpha;
        }
        in_text = true;
        std::vector<int> values;
        for (size_t s = first; s <= last; ++s) {
            const unsigned step_table = TableOf(path[s].mode);
            for (int i = path[s].from; i < path[s].from + path[s].len; ++i) {
                const unsigned char c = bytes[size_t(i)];
                const Pdf417TextClass k = ClassifyPdf417Text(c);
                if (k.modes == 0) {
                    if (values.size() % 2 != 0) {
                        values.push_back(kShiftPunctuation);
                        if (table == kPdf417Punctuation) table = kPdf417Alpha;
                    }
                    FlushValues(values, codewords);
                    codewords.insert(codewords.end(), {kPdf417ByteShift, int(c)});
                    continue;
                }
                if (step_table != table) {
                    AppendSubModeLatch(table, step_table, values);
                    table = step_table;
                }
                if (table == kPdf417Lower && k.modes == kPdf417Alpha) {
                    values.push_back(27);  // shift to alpha
                } else if (table != kPdf417Punctuation && (k.modes & kPdf417Punctuation) &&
                           (table != kPdf417Mixed || !(k.modes & kPdf417Mixed))) {
                    values.push_back(kShiftPunctuation);
                }
                values.push_back(k.value);
            }
        }
        text_padded = values.size() % 2 != 0;
        if (text_padded) values.push_back(kShiftPunctuation);
        FlushValues(values, codewords);
    }

    void Bytes(const Edge& run) {
        const Pdf417Segment segment{'B', size_t(run.from), size_t(run.from + run.len)};
        if (run.len == 1) {
            const int byte = static_cast<unsigned char>(bytes[segment.start]);
            codewords.insert(codewords.end(), {in_text ? kPdf417ByteShift : kPdf417ByteLatch, byte});
            // A shifted byte keeps text compaction; a pad in punctuation had latched back to alpha.
            if (in_text && table == kPdf417Punctuation && text_padded) table = kPdf417Alpha;
            return;
        }
        codewords.push_back(run.len % 6 == 0 ? kPdf417ByteLatch6 : kPdf417ByteLatch);
        AppendPdf417Bytes(bytes, segment, codewords);
        in_text = false;
    }

    void Digits(const Edge& run) {
        codewords.push_back(kPdf417NumericLatch);
        AppendPdf417Numeric(bytes, {'N', size_t(run.from), size_t(run.from + run.len)}, codewords);
        in_text = false;
    }
};

// Joins consecutive steps of the same mode into one.
std::vector<Edge> MergeSteps(const std::vector<Edge>& steps) {
    std::vector<Edge> runs;
    for (const Edge& step : steps) {
        if (!runs.empty() && runs.back().mode == step.mode) {
            runs.back().len += step.len;
        } else {
            runs.push_back(step);
        }
    }
    return runs;
}

}  // namespace

std::vector<int> CompactMicroPdf417(const std::string& bytes) {
    if (bytes.empty()) return {};
    const std::vector<Edge> runs = MergeSteps(Search(bytes).Run());
    Writer writer{bytes, {}};
    for (size_t r = 0; r < runs.size(); ++r) {
        if (IsText(runs[r].mode)) {
            size_t last = r;
            while (last + 1 < runs.size() && IsText(runs[last + 1].mode)) ++last;
            writer.Text(runs, r, last);
            r = last;
        } else if (runs[r].mode == Mode::Byte) {
            writer.Bytes(runs[r]);
        } else {
            writer.Digits(runs[r]);
        }
    }
    return writer.codewords;
}
