#include "symbologies/matrix/datamatrix_modes.h"

#include <stdexcept>

#include "core/text_encoding/digits.h"

namespace datamatrix {

namespace {

constexpr uint8_t kUpperShift = 235;
constexpr uint8_t kLatchBase256 = 231;
constexpr uint8_t kUnlatchTriplets = 254;
constexpr uint8_t kEdifactUnlatchValue = 0x1F;
// Pads a final pair of values to a whole triplet: a Shift 1 that nothing follows.
constexpr uint8_t kShift1 = 0;
constexpr uint8_t kSeparator = 0x1D;
constexpr uint8_t kFnc1 = 232;
constexpr uint8_t kShift2 = 1;
constexpr uint8_t kFnc1InShift2 = 27;

uint8_t Byte(const std::string& data, int i) { return uint8_t(data[size_t(i)]); }

uint8_t LatchCodeword(Mode mode) {
    switch (mode) {
        case Mode::kC40: return 230;
        case Mode::kX12: return 238;
        case Mode::kText: return 239;
        case Mode::kEdifact: return 240;
        case Mode::kAscii: break;
    }
    throw std::logic_error("no latch into ASCII");
}

int X12Value(uint8_t b) {
    if (b == '\r') return 0;
    if (b == '*') return 1;
    if (b == '>') return 2;
    if (b == ' ') return 3;
    if (IsDigit(b)) return 4 + (b - '0');
    if (b >= 'A' && b <= 'Z') return 14 + (b - 'A');
    return -1;
}

}  // namespace

int TripletValueCount(const Step& step, const std::string& data) {
    uint8_t values[4];
    int count = 0;
    for (int i = step.begin; i < step.end; ++i) count += TripletValues(step.mode, Byte(data, i), values);
    return count;
}

namespace {

// The 255-state randomising of Base 256 codewords, by 1-based codeword position.
uint8_t Randomise255(int value, int position) {
    const int pseudo = (149 * position) % 255 + 1;
    const int sum = value + pseudo;
    return uint8_t(sum <= 255 ? sum : sum - 256);
}

void EmitTriplets(const Step& step, const std::string& data, std::vector<uint8_t>& out, bool fnc1_separators) {
    std::vector<uint8_t> values;
    values.reserve(size_t(4 * (step.end - step.begin) + 1));
    uint8_t v[4];
    for (int i = step.begin; i < step.end; ++i) {
        if (fnc1_separators && Byte(data, i) == kSeparator) {
            values.push_back(kShift2);
            values.push_back(kFnc1InShift2);
            continue;
        }
        const int n = TripletValues(step.mode, Byte(data, i), v);
        values.insert(values.end(), v, v + n);
    }
    if (values.size() % 3 == 2 && step.mode != Mode::kX12) values.push_back(kShift1);
    if (values.size() % 3 != 0) throw std::logic_error("triplet values do not fill whole triplets");
    for (size_t i = 0; i < values.size(); i += 3) {
        const int packed = 1600 * values[i] + 40 * values[i + 1] + values[i + 2] + 1;
        out.push_back(uint8_t(packed >> 8));
        out.push_back(uint8_t(packed & 0xFF));
    }
}

// EDIFACT values are the low six bits of each byte, packed most significant first; a final
// codeword is filled with zero bits.
void EmitEdifact(const Step& step, const std::string& data, std::vector<uint8_t>& out) {
    unsigned bits = 0;
    int count = 0;
    auto put = [&](unsigned value) {
        bits = (bits << 6) | (value & 0x3F);
        count += 6;
        while (count >= 8) {
            count -= 8;
            out.push_back(uint8_t(bits >> count));
        }
    };
    for (int i = step.begin; i < step.end; ++i) put(Byte(data, i));
    if (step.kind != StepKind::kValues) put(kEdifactUnlatchValue);
    if (count > 0) out.push_back(uint8_t(bits << (8 - count)));
}

void EmitBase256(const Step& step, const std::string& data, std::vector<uint8_t>& out) {
    out.push_back(kLatchBase256);
    auto put = [&](int value) { out.push_back(Randomise255(value, int(out.size()) + 1)); };
    const int length = step.end - step.begin;
    if (length <= 249) {
        put(length);
    } else {
        put(length / 250 + 249);
        put(length % 250);
    }
    for (int i = step.begin; i < step.end; ++i) put(Byte(data, i));
}

}  // namespace

bool Holds(Mode mode, uint8_t byte) {
    switch (mode) {
        case Mode::kX12: return X12Value(byte) >= 0;
        case Mode::kEdifact: return byte >= 32 && byte <= 94;
        case Mode::kAscii:
        case Mode::kC40:
        case Mode::kText: break;
    }
    return true;
}

int TripletValues(Mode mode, uint8_t byte, uint8_t values[4]) {
    if (mode == Mode::kX12) {
        values[0] = uint8_t(X12Value(byte));
        return 1;
    }
    int n = 0;
    if (byte >= 128) {  // Shift 2, Upper Shift, then the value of the byte less 128
        values[n++] = 1;
        values[n++] = 30;
        byte = uint8_t(byte - 128);
    }
    const bool text = mode == Mode::kText;
    auto shifted = [&](uint8_t shift, int value) {
        values[n++] = shift;
        values[n++] = uint8_t(value);
    };
    const bool upper = byte >= 'A' && byte <= 'Z';
    const bool lower = byte >= 'a' && byte <= 'z';
    if (byte == ' ') values[n++] = 3;
    else if (IsDigit(byte)) values[n++] = uint8_t(4 + byte - '0');
    else if (text ? lower : upper) values[n++] = uint8_t(14 + (byte | 0x20) - 'a');
    else if (upper || lower) shifted(2, (byte | 0x20) - 'a' + 1);  // the other case, in the Shift 3 set
    else if (byte < 32) shifted(0, byte);
    else if (byte <= 47) shifted(1, byte - 33);
    else if (byte <= 64) shifted(1, byte - 58 + 15);
    else if (byte <= 95) shifted(1, byte - 91 + 22);
    else shifted(2, byte - 96);  // 96 and 123..127
    return n;
}

void EmitStep(const Step& step, const std::string& data, std::vector<uint8_t>& out, bool fnc1_separators) {
    switch (step.kind) {
        case StepKind::kAscii: {
            const uint8_t b = Byte(data, step.begin);
            if (fnc1_separators && b == kSeparator) {
                out.push_back(kFnc1);
            } else if (step.end - step.begin == 2) {
                out.push_back(uint8_t(130 + 10 * (b - '0') + (Byte(data, step.begin + 1) - '0')));
            } else if (b >= 128) {
                out.push_back(kUpperShift);
                out.push_back(uint8_t(b - 128 + 1));
            } else {
                out.push_back(uint8_t(b + 1));
            }
            break;
        }
        case StepKind::kLatch: out.push_back(LatchCodeword(step.mode)); break;
        case StepKind::kUnlatch:
            out.push_back(step.mode == Mode::kEdifact ? uint8_t(kEdifactUnlatchValue << 2) : kUnlatchTriplets);
            break;
        case StepKind::kImplicitUnlatch: break;
        case StepKind::kValues:
        case StepKind::kValuesUnlatch:
            if (step.mode == Mode::kEdifact) EmitEdifact(step, data, out);
            else EmitTriplets(step, data, out, fnc1_separators);
            break;
        case StepKind::kBase256: EmitBase256(step, data, out); break;
    }
}

int PlanSize(const Plan& plan, const std::string& data) {
    int size = 0;
    for (const Step& step : plan.steps) size += StepSize(step, data);
    return size;
}

std::vector<uint8_t> EmitPlan(const Plan& plan, const std::string& data, int capacity) {
    std::vector<uint8_t> out;
    out.reserve(size_t(PlanSize(plan, data)) + 1);
    for (const Step& step : plan.steps) EmitStep(step, data, out, plan.fnc1_separators);
    if (plan.final_mode != Mode::kAscii)
        EmitStep(UnlatchAt(plan.final_mode, int(data.size()), int(out.size()), capacity), data, out);
    return out;
}

}  // namespace datamatrix
