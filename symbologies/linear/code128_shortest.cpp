#include "symbologies/linear/code128_shortest.h"

#include <array>
#include <limits>

#include "core/model/encode_error.h"
#include "symbologies/linear/code128_symbols.h"

namespace code128 {
namespace {

enum Set : int { kSetA = 0, kSetB = 1, kSetC = 2 };
constexpr int kStartValue[3] = {kStartA, kStartB, kStartC};
constexpr int kSwitchValue[3] = {kCodeA, kCodeB, kCodeC};
constexpr char kSetLetter[3] = {'A', 'B', 'C'};
constexpr int kUnreachable = std::numeric_limits<int>::max() / 2;

bool IsDigitCharacter(int c) { return c >= '0' && c <= '9'; }

int ValueIn(Set set, int c) {
    if (c == kFnc1Character) return kFnc1;
    return set == kSetA ? ValueInSetA(static_cast<unsigned char>(c)) : ValueInSetB(static_cast<unsigned char>(c));
}

// A state is the current set; in set C it also remembers the set before it, which a switch out of
// C goes back to on equal lengths (as zint does).
enum State : int { kInA, kInB, kInCAfterA, kInCAfterB, kStates };
constexpr Set kSetOf[kStates] = {kSetA, kSetB, kSetC, kSetC};

// How the character(s) at a position are written from a state.
enum class Move : int { kStay, kShift, kSwitch };

struct Candidate {
    Move move;
    Set set;  // the set that writes the character(s)
};

// Moves in the order they are preferred on equal lengths: set C first, then being in set B (from
// A a switch to B before a Shift; in B a Shift to A before a switch); out of set C, the set
// before C.
constexpr Candidate kCandidatesInA[] = {
    {Move::kSwitch, kSetC}, {Move::kSwitch, kSetB}, {Move::kStay, kSetA}, {Move::kShift, kSetB}};
constexpr Candidate kCandidatesInB[] = {
    {Move::kSwitch, kSetC}, {Move::kStay, kSetB}, {Move::kShift, kSetA}, {Move::kSwitch, kSetA}};
constexpr Candidate kCandidatesOutOfCToA[] = {{Move::kStay, kSetC}, {Move::kSwitch, kSetA}, {Move::kSwitch, kSetB}};
constexpr Candidate kCandidatesOutOfCToB[] = {{Move::kStay, kSetC}, {Move::kSwitch, kSetB}, {Move::kSwitch, kSetA}};

// The state after writing in `set` from `state` (a Shift keeps the state).
State After(State state, Set set) {
    if (set == kSetA) return kInA;
    if (set == kSetB) return kInB;
    return state == kInA ? kInCAfterA : state == kInB ? kInCAfterB : state;
}

struct Step {
    int cost = kUnreachable;  // symbol characters from this position to the end
    Candidate how{Move::kStay, kSetB};
};

class Planner {
public:
    Planner(const std::vector<int>& characters, const ShortestChoice& choice)
        : chars_(characters), choice_(choice), steps_(characters.size() + 1) {
        for (auto& s : steps_.back()) s.cost = 0;
        for (size_t p = chars_.size(); p-- > 0;)
            for (int s = 0; s < kStates; ++s) steps_[p][s] = BestStep(p, State(s));
    }

    std::vector<int> Values() const {
        // Start C, B, A on equal lengths; FNC3 exists in sets A and B only.
        State start = kInB;
        int best = kUnreachable;
        for (State s : {kInCAfterB, kInB, kInA}) {
            if (choice_.reader_init && s == kInCAfterB) continue;
            if (steps_[0][s].cost < best) best = steps_[0][s].cost, start = s;
        }
        if (best >= kUnreachable) Refuse();
        std::vector<int> values{kStartValue[kSetOf[start]]};
        values.reserve(size_t(best) + 2);
        if (choice_.reader_init) values.push_back(kFnc3);
        State state = start;
        for (size_t p = 0; p < chars_.size();) {
            const Candidate how = steps_[p][state].how;
            if (how.move == Move::kSwitch) values.push_back(kSwitchValue[how.set]);
            if (how.move == Move::kShift) values.push_back(kShift);
            if (how.set == kSetC && chars_[p] != kFnc1Character) {
                values.push_back((chars_[p] - '0') * 10 + (chars_[p + 1] - '0'));
            } else {
                values.push_back(ValueIn(how.set, chars_[p]));
            }
            p += Width(p, how.set);
            if (how.move != Move::kShift) state = After(state, how.set);
        }
        return values;
    }

private:
    // Characters consumed when `set` writes at p, 0 when it cannot.
    size_t Width(size_t p, Set set) const {
        const int c = chars_[p];
        if (!Allowed(p, set)) return 0;
        if (c == kFnc1Character) return 1;
        if (set == kSetC) return p + 1 < chars_.size() && IsDigitCharacter(c) && IsDigitCharacter(chars_[p + 1]) ? 2 : 0;
        return ValueIn(set, c) >= 0 ? 1 : 0;
    }

    bool Allowed(size_t p, Set set) const {
        if (set == kSetC && !choice_.allow_set_c) return false;
        if (choice_.code_sets.empty()) return true;
        if (choice_.code_sets[p] != kSetLetter[set]) return false;
        return set != kSetC || chars_[p] == kFnc1Character ||
               (p + 1 < chars_.size() && choice_.code_sets[p + 1] == 'C');
    }

    int Cost(size_t p, State state, Candidate how) const {
        if (how.move == Move::kShift) {
            // One character of the other of sets A and B; the caller's own sets take no Shift.
            if (!choice_.code_sets.empty() || chars_[p] == kFnc1Character || ValueIn(how.set, chars_[p]) < 0)
                return kUnreachable;
            return 2 + steps_[p + 1][state].cost;
        }
        const size_t width = Width(p, how.set);
        if (width == 0) return kUnreachable;
        return (how.move == Move::kSwitch ? 2 : 1) + steps_[p + width][After(state, how.set)].cost;
    }

    template <size_t N>
    Step BestOf(size_t p, State state, const Candidate (&candidates)[N]) const {
        Step best;
        for (const Candidate& how : candidates) {
            const int cost = Cost(p, state, how);
            if (cost < best.cost) best = {cost, how};
        }
        return best;
    }

    Step BestStep(size_t p, State state) const {
        if (state == kInA) return BestOf(p, state, kCandidatesInA);
        if (state == kInB) return BestOf(p, state, kCandidatesInB);
        return BestOf(p, state, state == kInCAfterA ? kCandidatesOutOfCToA : kCandidatesOutOfCToB);
    }

    [[noreturn]] void Refuse() const {
        size_t p = 0;
        if (!choice_.code_sets.empty()) {
            // The caller's sets, walked until one cannot take its character(s).
            while (p < chars_.size() && Width(p, SetOfLetter(choice_.code_sets[p])) > 0)
                p += Width(p, SetOfLetter(choice_.code_sets[p]));
            throw EncodeError(EncodeErrorKind::InvalidCharacter,
                              std::string("code set ") + choice_.code_sets[p] +
                                  (choice_.code_sets[p] == 'C' ? " takes digit pairs only" : " lacks the character"),
                              long(p));
        }
        while (Width(p, kSetA) > 0 || Width(p, kSetB) > 0) ++p;
        throw EncodeError(EncodeErrorKind::InvalidCharacter, "Code 128 holds ASCII characters only", long(p));
    }

    static Set SetOfLetter(char letter) { return letter == 'A' ? kSetA : letter == 'B' ? kSetB : kSetC; }

    const std::vector<int>& chars_;
    const ShortestChoice& choice_;
    std::vector<std::array<Step, kStates>> steps_;
};

}  // namespace

std::vector<int> ShortestValues(const std::vector<int>& characters, const ShortestChoice& choice) {
    if (characters.empty()) throw EncodeError(EncodeErrorKind::InvalidData, "Empty string");
    if (!choice.code_sets.empty() && choice.code_sets.size() != characters.size())
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "code_sets has " + std::to_string(choice.code_sets.size()) + " letters for " +
                              std::to_string(characters.size()) + " characters");
    for (size_t p = 0; p < choice.code_sets.size(); ++p) {
        const char letter = choice.code_sets[p];
        if (letter != 'A' && letter != 'B' && letter != 'C')
            throw EncodeError(EncodeErrorKind::InvalidOption, "code_sets takes the letters A, B and C only");
        if (letter == 'C' && !choice.allow_set_c)
            throw EncodeError(EncodeErrorKind::InvalidOption, "code_sets names set C, which mode AB leaves out");
    }
    return Planner(characters, choice).Values();
}

std::vector<int> CharactersOf(const std::string& text) {
    std::vector<int> out;
    out.reserve(text.size());
    for (unsigned char byte : text) out.push_back(byte);
    return out;
}

}  // namespace code128
