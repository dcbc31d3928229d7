#pragma once
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "core/text_encoding/digits.h"

// The encodation modes beyond ASCII (C40, Text, ANSI X12, EDIFACT, Base 256) and the plans that
// chain them: a plan is a list of steps over the input bytes, each of which knows how many
// codewords it takes, so that planners can count before anything is written.
namespace datamatrix {

// Modes a plan can stay in between steps; Base 256 runs return to ASCII by themselves.
enum class Mode : uint8_t { kAscii, kC40, kText, kX12, kEdifact };
constexpr int kModeCount = 5;

enum class StepKind : uint8_t {
    kAscii,            // one byte, or a pair of digits, in ASCII
    kLatch,            // from ASCII into `mode`
    kUnlatch,          // from `mode` back to ASCII
    kImplicitUnlatch,  // back to ASCII without a codeword: the reader does so near the symbol's end
    kValues,           // bytes in C40, Text or X12 triplets (a final pair padded with Shift 1), or in
                       // whole EDIFACT groups of four
    kValuesUnlatch,    // one to three EDIFACT bytes followed by the unlatch value
    kBase256,          // latch, length field and the bytes, randomised; ends back in ASCII
};

struct Step {
    StepKind kind;
    Mode mode;
    int begin, end;  // the input bytes the step encodes; begin == end for latches
};

struct Plan {
    std::vector<Step> steps;
    Mode final_mode = Mode::kAscii;
    bool fnc1_separators = false;  // GS1 data: every 0x1D byte stands for FNC1
};

// A capacity larger than any symbol's, for counting without a size in mind.
constexpr int kUnlimited = INT_MAX / 4;
// The longest Base 256 run a symbol can hold (1558 codewords less the latch and two length bytes).
constexpr int kMaxBase256Run = 1555;

// Whether X12 or EDIFACT can hold the byte (C40 and Text hold every byte).
bool Holds(Mode mode, uint8_t byte);
// The C40, Text or X12 values of one byte, shifts included; returns how many (1 to 4).
int TripletValues(Mode mode, uint8_t byte, uint8_t values[4]);

// The ASCII step at `at`: a digit pair when the bytes at `at` and `at` + 1 (below `end`) are digits.
inline Step AsciiStepAt(const std::string& data, int at, int end) {
    const bool pair = at + 1 < end && IsDigit(uint8_t(data[size_t(at)])) && IsDigit(uint8_t(data[size_t(at) + 1]));
    return {StepKind::kAscii, Mode::kAscii, at, at + (pair ? 2 : 1)};
}

// The C40, Text or X12 values of a kValues step's bytes, shifts included.
int TripletValueCount(const Step& step, const std::string& data);

// Inline, as the planners price every step they try and the step's kind is mostly known there.
inline int StepSize(const Step& step, const std::string& data) {
    const int length = step.end - step.begin;
    switch (step.kind) {
        case StepKind::kAscii: return length == 1 && uint8_t(data[size_t(step.begin)]) >= 128 ? 2 : 1;
        case StepKind::kLatch:
        case StepKind::kUnlatch: return 1;
        case StepKind::kImplicitUnlatch: return 0;
        case StepKind::kValues:
            if (step.mode == Mode::kEdifact) return (6 * length + 7) / 8;
            if (step.mode == Mode::kX12) return 2 * ((length + 2) / 3);  // one value a byte
            return 2 * ((TripletValueCount(step, data) + 2) / 3);
        case StepKind::kValuesUnlatch: return (6 * (length + 1) + 7) / 8;
        case StepKind::kBase256: return (length <= 249 ? 2 : 3) + length;
    }
    return 0;
}
// With `fnc1_separators` a 0x1D byte is written as FNC1: the ASCII codeword 232, or Shift 2 and
// value 27 in C40 and Text (as many values as 0x1D takes there).
void EmitStep(const Step& step, const std::string& data, std::vector<uint8_t>& out, bool fnc1_separators = false);

// Readers take EDIFACT values only while three codewords are left in the symbol, and C40, Text or
// X12 triplets while two are; the last codewords are read as ASCII.
inline bool ReadsAsModeValues(Mode mode, int pos, int capacity) {
    return capacity - pos >= (mode == Mode::kEdifact ? 3 : 2);
}

// The step that leaves `mode` for ASCII when `pos` codewords are written into a symbol of
// `capacity` data codewords: implicit when a reader returns to ASCII by itself there.
// Where the reader returns to ASCII by itself, an unlatch codeword would be misread as data.
inline Step UnlatchAt(Mode mode, int at, int pos, int capacity) {
    const bool explicit_unlatch = ReadsAsModeValues(mode, pos, capacity);
    return {explicit_unlatch ? StepKind::kUnlatch : StepKind::kImplicitUnlatch, mode, at, at};
}

int PlanSize(const Plan& plan, const std::string& data);
// The plan's codewords, closed for a symbol of `capacity`: an unlatch is added when pads follow
// and the reader would not return to ASCII by itself.
std::vector<uint8_t> EmitPlan(const Plan& plan, const std::string& data, int capacity);

}  // namespace datamatrix
