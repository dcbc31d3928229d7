#include "symbologies/matrix/datamatrix_encodation.h"

#include <algorithm>

#include "core/model/encode_error.h"

#include "symbologies/matrix/datamatrix_plans.h"
#include "symbologies/matrix/datamatrix_sizes.h"

namespace {

using namespace datamatrix;

constexpr char kCannotEncode[] = "Failed to encode data. Data may be empty or contain invalid characters.";
// No symbol holds more bytes than this: 1558 codewords of two digits each.
constexpr size_t kMaxEncodableBytes = 2 * 1558;

// No size of `candidates` holds the data; the largest, last, tells the capacity.
[[noreturn]] void ThrowNoSizeFits(const std::vector<int>& candidates) {
    throw EncodeError(EncodeErrorKind::TooLong, kCannotEncode, -1, DataMatrixSizeAt(candidates.back()).data_codewords);
}

[[noreturn]] void ThrowTooLong(size_t needed, int capacity) {
    throw EncodeError(EncodeErrorKind::TooLong,
                      "Data too long for specified symbol size. Data requires " + std::to_string(needed) +
                          " codewords, but symbol only supports " + std::to_string(capacity) +
                          " codewords. Use 'AUTO' or reduce data length.",
                      -1, capacity);
}

int Capacity(int size_index) { return DataMatrixSizeAt(size_index).data_codewords; }

DataMatrixData Padded(int size_index, std::vector<uint8_t> codewords) {
    AppendDataMatrixPads(codewords, Capacity(size_index));
    return {size_index, std::move(codewords)};
}

DataMatrixData EncodeAscii(const std::string& bytes, int size_index, DataMatrixShape shape) {
    std::vector<uint8_t> codewords = EncodeDataMatrixAscii(bytes);
    if (size_index != kDataMatrixAutoSize) {
        if (int(codewords.size()) > Capacity(size_index)) ThrowTooLong(codewords.size(), Capacity(size_index));
        return Padded(size_index, std::move(codewords));
    }
    const std::vector<int> candidates = DataMatrixCandidateSizes(size_index, shape);
    for (int s : candidates)
        if (int(codewords.size()) <= Capacity(s)) return Padded(s, std::move(codewords));
    ThrowNoSizeFits(candidates);
}

Plan PlanFor(const std::string& bytes, DataMatrixScheme scheme, int capacity) {
    switch (scheme) {
        case DataMatrixScheme::kC40: return PlanSingleMode(bytes, Mode::kC40, capacity);
        case DataMatrixScheme::kText: return PlanSingleMode(bytes, Mode::kText, capacity);
        case DataMatrixScheme::kX12: return PlanSingleMode(bytes, Mode::kX12, capacity);
        case DataMatrixScheme::kEdifact: return PlanSingleMode(bytes, Mode::kEdifact, capacity);
        case DataMatrixScheme::kBase256: return PlanBase256(bytes);
        case DataMatrixScheme::kAscii: return PlanSingleMode(bytes, Mode::kAscii, capacity);
        case DataMatrixScheme::kAuto: break;
    }
    return PlanMinimal(bytes, capacity);
}

// The modes beyond ASCII end differently near a symbol's end, so every candidate size gets its own
// plan. A plan for a given capacity is never longer than the one counted without a capacity, and at
// most three codewords shorter, which bounds the sizes worth trying.
DataMatrixData EncodeWithModes(const std::string& bytes, DataMatrixScheme scheme, int size_index,
                               DataMatrixShape shape) {
    const bool automatic = size_index == kDataMatrixAutoSize;
    const std::vector<int> candidates = DataMatrixCandidateSizes(size_index, shape);
    if (scheme == DataMatrixScheme::kAuto && bytes.size() > kMaxEncodableBytes) {
        if (automatic) ThrowNoSizeFits(candidates);
        ThrowTooLong(EncodeDataMatrixAscii(bytes).size(), Capacity(size_index));
    }
    const int unlimited = PlanSize(PlanFor(bytes, scheme, kUnlimited), bytes);
    for (int s : candidates) {
        const int capacity = Capacity(s);
        if (automatic && capacity < unlimited - 3) continue;
        std::vector<uint8_t> codewords = EmitPlan(PlanFor(bytes, scheme, capacity), bytes, capacity);
        if (int(codewords.size()) <= capacity) return Padded(s, std::move(codewords));
        if (!automatic) ThrowTooLong(codewords.size(), capacity);
    }
    ThrowNoSizeFits(candidates);
}

constexpr uint8_t kFnc1 = 232;

// FNC1 exists in ASCII only (here), so each stretch of data between two FNC1s is planned on its
// own and closed in ASCII; only the last may end in another mode, planned for the rest of the
// symbol.
std::vector<uint8_t> GS1Codewords(const std::vector<std::string>& stretches, DataMatrixScheme scheme, int capacity) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i < stretches.size(); ++i) {
        out.push_back(kFnc1);
        const bool last = i + 1 == stretches.size();
        const int room = last ? std::max(0, capacity - int(out.size())) : kUnlimited;
        const std::vector<uint8_t> part = EmitPlan(PlanFor(stretches[i], scheme, room), stretches[i], room);
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

}  // namespace

DataMatrixScheme DataMatrixSchemeFromName(const std::string& name) {
    if (name == "ASCII") return DataMatrixScheme::kAscii;
    if (name == "C40") return DataMatrixScheme::kC40;
    if (name == "TEXT") return DataMatrixScheme::kText;
    if (name == "X12") return DataMatrixScheme::kX12;
    if (name == "EDIFACT") return DataMatrixScheme::kEdifact;
    if (name == "BASE256") return DataMatrixScheme::kBase256;
    return DataMatrixScheme::kAuto;
}

std::vector<uint8_t> EncodeDataMatrixAscii(const std::string& bytes) {
    std::vector<uint8_t> out;
    out.reserve(bytes.size() + 1);
    for (int i = 0; i < int(bytes.size());) {
        const Step step = AsciiStepAt(bytes, i, int(bytes.size()));
        EmitStep(step, bytes, out);
        i = step.end;
    }
    return out;
}

void AppendDataMatrixPads(std::vector<uint8_t>& codewords, int capacity) {
    if (int(codewords.size()) < capacity) codewords.push_back(129);
    while (int(codewords.size()) < capacity) {
        const int position = int(codewords.size()) + 1;
        const int pad = 129 + (149 * position) % 253 + 1;
        codewords.push_back(uint8_t(pad <= 254 ? pad : pad - 254));
    }
}

DataMatrixData EncodeDataMatrixGS1Data(const std::string& element_data, DataMatrixScheme scheme, int size_index,
                                       DataMatrixShape shape) {
    const std::vector<int> candidates = DataMatrixCandidateSizes(size_index, shape);
    constexpr char kSeparator = '\x1d';
    const std::string& data = element_data;
    if (data.size() > kMaxEncodableBytes) {
        if (size_index == kDataMatrixAutoSize) ThrowNoSizeFits(candidates);
        ThrowTooLong(data.size() / 2, Capacity(size_index));
    }
    std::vector<std::string> stretches(1);
    for (char c : data) {
        if (c == kSeparator) {
            stretches.emplace_back();
        } else {
            stretches.back() += c;
        }
    }
    for (int s : candidates) {
        std::vector<uint8_t> codewords = GS1Codewords(stretches, scheme, Capacity(s));
        if (int(codewords.size()) <= Capacity(s)) return Padded(s, std::move(codewords));
        if (size_index != kDataMatrixAutoSize) ThrowTooLong(codewords.size(), Capacity(s));
    }
    ThrowNoSizeFits(candidates);
}

DataMatrixData EncodeDataMatrixData(const std::string& bytes, DataMatrixScheme scheme, int size_index,
                                    DataMatrixShape shape) {
    if (bytes.empty()) throw EncodeError(EncodeErrorKind::InvalidData, kCannotEncode);
    if (size_index != kDataMatrixAutoSize) DataMatrixSizeAt(size_index);  // rejects a bad index
    if (scheme == DataMatrixScheme::kAscii) return EncodeAscii(bytes, size_index, shape);
    return EncodeWithModes(bytes, scheme, size_index, shape);
}
