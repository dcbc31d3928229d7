#include "symbologies/matrix/datamatrix_minimal.h"

#include "core/model/encode_error.h"
#include "symbologies/matrix/datamatrix_plans.h"
#include "symbologies/matrix/datamatrix_symbol.h"

namespace {

using namespace datamatrix;

constexpr uint8_t kFnc1 = 232;

// The codewords for a symbol of `capacity`; GS1 data opens with FNC1 as an ASCII codeword, which
// shifts every later position by one. A capacity only changes how a mode is left within the last
// three codewords, so while `unbounded` (the plan without one) ends three or more before the room,
// it is the plan for this capacity too and the search is not run again.
std::vector<uint8_t> Codewords(const std::string& data, bool gs1, int capacity, const Plan& unbounded,
                               int unbounded_size) {
    std::vector<uint8_t> out;
    if (gs1) out.push_back(kFnc1);
    const int room = capacity - int(out.size());
    const bool same_plan = unbounded_size <= room - 3;
    const std::vector<uint8_t> rest =
        EmitPlan(same_plan ? unbounded : PlanMinimal(data, room, gs1), data, room);
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}

int Capacity(int size_index) { return DataMatrixSizeAt(size_index).data_codewords; }

}  // namespace

DataMatrixData EncodeDataMatrixMinimal(const std::string& bytes, bool gs1, int size_index, DataMatrixShape shape) {
    const std::string& data = bytes;
    if (data.empty()) throw EncodeError(EncodeErrorKind::InvalidData, "Data Matrix data is empty");
    const std::vector<int> candidates = DataMatrixCandidateSizes(size_index, shape);
    // A plan for a capacity is at most three codewords shorter than one without a capacity (its
    // closing unlatch not counted), which skips the sizes far too small without planning for each.
    const Plan unbounded = PlanMinimal(data, kUnlimited, gs1);
    const int unbounded_size = PlanSize(unbounded, data);
    const int unlimited = unbounded_size + (gs1 ? 1 : 0);
    // Capacities up to this one are too small: at first by that bound, then as planned (what fits a
    // capacity fits any larger one). Smallest area first is not smallest capacity first (8x32 comes
    // after 16x16), and 12x12 and 8x18, 20x20 and 12x36 hold as many codewords, so no capacity is
    // planned for twice.
    int too_small = unlimited - 4;
    for (int s : candidates) {
        const int capacity = Capacity(s);
        if (capacity <= too_small) continue;
        std::vector<uint8_t> codewords = Codewords(data, gs1, capacity, unbounded, unbounded_size);
        if (int(codewords.size()) > capacity) {
            too_small = capacity;
            continue;
        }
        AppendDataMatrixPads(codewords, capacity);
        return {s, std::move(codewords)};
    }
    const int largest = candidates.back();
    const int capacity = Capacity(largest);
    throw EncodeError(EncodeErrorKind::TooLong,
                      "Data too long for Data Matrix: " + std::to_string(unlimited) + " codewords, the " +
                          DataMatrixSizeName(largest) + " symbol holds " + std::to_string(capacity),
                      -1, capacity);
}

ModuleMatrix EncodeDataMatrixMinimalSymbol(const std::string& bytes, bool gs1, int size_index, DataMatrixShape shape) {
    const DataMatrixData data = EncodeDataMatrixMinimal(bytes, gs1, size_index, shape);
    const DataMatrixSize& size = DataMatrixSizeAt(data.size_index);
    return BuildDataMatrixSymbol(size, AddDataMatrixErrorCorrection(data.codewords, size));
}
