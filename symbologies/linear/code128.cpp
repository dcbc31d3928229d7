#include "symbologies/linear/code128.h"

#include <array>
#include <limits>

#include "symbologies/linear/code128_shortest.h"
#include "symbologies/linear/code128_symbols.h"
#include "symbologies/symbol_building.h"

namespace {

using namespace code128;

enum Set : int { kSetA = 0, kSetB = 1, kSetC = 2 };
constexpr int kStartValue[3] = {kStartA, kStartB, kStartC};
constexpr int kSwitchValue[3] = {kCodeA, kCodeB, kCodeC};

// Code 128 takes DEL nowhere: set B stops at '~'.
int ValueInSet(Set set, unsigned char byte) {
    if (set == kSetA) return ValueInSetA(byte);
    return byte == 0x7F ? -1 : ValueInSetB(byte);
}

bool IsDigitPair(const std::string& text, size_t p) {
    return p + 1 < text.size() && IsDigit(text[p]) && IsDigit(text[p + 1]);
}

int PairValue(const std::string& text, size_t p) { return (text[p] - '0') * 10 + (text[p + 1] - '0'); }

std::vector<int> EncodeFixed(const std::string& text, Set set) {
    std::vector<int> values{kStartValue[set]};
    values.reserve(text.size() + 1);
    if (set == kSetC) {
        for (size_t p = 0; p < text.size(); p += 2) {
            if (!IsDigitPair(text, p)) {
                const std::string message = "Not 2-digit at pos=" + std::to_string(p);
                if (p + 1 == text.size() && IsDigit(text[p])) throw EncodeError(EncodeErrorKind::InvalidData, message);
                throw EncodeError(EncodeErrorKind::InvalidCharacter, message, long(IsDigit(text[p]) ? p + 1 : p));
            }
            values.push_back(PairValue(text, p));
        }
        return values;
    }
    for (size_t p = 0; p < text.size(); ++p) {
        const int value = ValueInSet(set, text[p]);
        if (value < 0)
            throw EncodeError(EncodeErrorKind::InvalidCharacter,
                              set == kSetA ? "Invalid char for CODE_A" : "Invalid char for CODE_B", long(p));
        values.push_back(value);
    }
    return values;
}

// Shortest encoding over the states (position, current set). steps_[p][s].cost is the fewest symbol
// characters that encode text[p..] when set s is current at p; the table is filled from the end,
// so it needs no recursion and each state is visited once. Candidates are ranked as: stay in s,
// then switch to A, B, C; a later candidate wins only when strictly shorter.
class ShortestEncoding {
public:
    explicit ShortestEncoding(const std::string& text) : text_(text), steps_(text.size() + 1) {
        for (size_t p = text.size(); p-- > 0;) {
            for (int s = kSetA; s <= kSetC; ++s) steps_[p][s] = BestStep(p, static_cast<Set>(s));
        }
    }

    // Start value followed by the data and switch values of the cheapest start (A, B, C on ties).
    std::vector<int> Values() const {
        int start = -1;
        for (int s = kSetA; s <= kSetC; ++s) {
            const int cost = steps_[0][s].cost;
            if (cost != kUnreachable && (start < 0 || cost < steps_[0][start].cost)) start = s;
        }
        if (start < 0)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "No valid start", long(FirstOutsideSetsAB()));
        std::vector<int> values{kStartValue[start]};
        values.reserve(steps_[0][start].cost + 1);
        Set set = static_cast<Set>(start);
        for (size_t p = 0; p < text_.size();) {
            const Set next = steps_[p][set].next_set;
            if (next != set) values.push_back(kSwitchValue[next]);
            if (next == kSetC) {
                values.push_back(PairValue(text_, p));
                p += 2;
            } else {
                values.push_back(ValueInSet(next, text_[p]));
                p += 1;
            }
            set = next;
        }
        return values;
    }

private:
    // Where the text has a byte neither set A nor set B holds (what leaves no start reachable).
    size_t FirstOutsideSetsAB() const {
        size_t p = 0;
        while (p < text_.size() && (ValueInSet(kSetA, text_[p]) >= 0 || ValueInSet(kSetB, text_[p]) >= 0)) ++p;
        return p;
    }

    static constexpr int kUnreachable = std::numeric_limits<int>::max();

    struct Step {
        int cost = 0;          // symbol characters from here to the end
        Set next_set = kSetA;  // set that encodes the character(s) at this position
    };

    // Cost of encoding the character(s) at p in `target` and going on from there; kUnreachable if
    // the target set cannot take them.
    int CostVia(size_t p, Set target) const {
        size_t next;
        if (target == kSetC) {
            if (!IsDigitPair(text_, p)) return kUnreachable;
            next = p + 2;
        } else {
            if (ValueInSet(target, text_[p]) < 0) return kUnreachable;
            next = p + 1;
        }
        return steps_[next][target].cost;  // the row past the end costs 0
    }

    Step BestStep(size_t p, Set s) const {
        Step best{kUnreachable, s};
        const int stay = CostVia(p, s);
        if (stay != kUnreachable) best.cost = stay + 1;
        for (int t = kSetA; t <= kSetC; ++t) {
            if (t == s) continue;
            const int via = CostVia(p, static_cast<Set>(t));
            if (via != kUnreachable && via + 2 < best.cost) best = {via + 2, static_cast<Set>(t)};
        }
        return best;
    }

    const std::string& text_;
    std::vector<std::array<Step, 3>> steps_;
};

}  // namespace

std::vector<int> EncodeCode128Values(const std::string& text, Code128Mode mode) {
    if (text.empty()) throw EncodeError(EncodeErrorKind::InvalidData, "Empty string");
    switch (mode) {
        case Code128Mode::kCodeA: return EncodeFixed(text, kSetA);
        case Code128Mode::kCodeB: return EncodeFixed(text, kSetB);
        case Code128Mode::kCodeC: return EncodeFixed(text, kSetC);
        case Code128Mode::kAuto: return ShortestEncoding(text).Values();
    }
    throw EncodeError(EncodeErrorKind::InvalidOption, "Invalid CodeMode");
}

ModuleWidths EncodeCode128(const std::string& text, Code128Mode mode) {
    return ToModuleWidths(EncodeCode128Values(text, mode),
                          mode == Code128Mode::kAuto ? "Invalid code value" : "Invalid code val");
}

EncodedSymbol EncodeCode128Symbol(const std::string& text, const EncodeOptions& options) {
    // zint 2.15 takes at most 256 characters (it refuses 257).
    RefuseLongerThan(text, 256);
    RefuseEmpty(text);
    std::vector<int> values;
    if (options.mode == "A" || options.mode == "B" || options.mode == "C") {
        if (!options.code_sets.empty())
            throw EncodeError(EncodeErrorKind::InvalidOption, "code_sets needs mode auto or AB, not " + options.mode);
        values = EncodeCode128Values(text, options.mode == "A" ? Code128Mode::kCodeA
                                           : options.mode == "B" ? Code128Mode::kCodeB
                                                                 : Code128Mode::kCodeC);
        // FNC3 exists in sets A and B only: set C data then follows a start B and a switch.
        if (options.reader_init && options.mode == "C") {
            values[0] = kCodeC;
            values.insert(values.begin(), {kStartB, kFnc3});
        } else if (options.reader_init) {
            values.insert(values.begin() + 1, kFnc3);
        }
    } else {
        code128::ShortestChoice choice;
        choice.reader_init = options.reader_init;
        choice.code_sets = options.code_sets;
        if (options.mode == "AB") {
            choice.allow_set_c = false;
        } else if (options.mode != "auto") {
            throw EncodeError(EncodeErrorKind::InvalidOption,
                              "mode \"" + options.mode + "\" is not auto, AB, A, B or C");
        }
        values = code128::ShortestValues(code128::CharactersOf(text), choice);
    }
    // Quiet zone: 10 modules each side (ISO/IEC 15417 4.4.2).
    return OneRowSymbol(code128::ToModuleWidths(values, "Invalid code value"), kLinearBarHeight, 10,
                        PrintableText(text), text);
}
