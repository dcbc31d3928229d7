#include "symbologies/composite/composite_ccc.h"

#include <algorithm>

#include "core/model/encode_error.h"
#include "symbologies/composite/composite_bits.h"
#include "symbologies/matrix/pdf417_compaction.h"
#include "symbologies/matrix/pdf417_error_correction.h"
#include "symbologies/matrix/pdf417_symbol.h"

namespace {

constexpr int kCcCMarker = 920;
constexpr int kMaxSide = 30;  // columns and rows of a CC-C
// Codewords besides the bytes' own: length descriptor, marker and byte latch.
constexpr int kOverhead = 3;

int ByteCodewords(int bytes) { return bytes / 6 * 5 + bytes % 6; }

// The layout for `bits` of data and the most bits it holds; bits 0 when no layout holds them.
struct Plan {
    Pdf417Layout layout;
    int bits = 0;
};

Plan PlanFor(int data_bits, int linear_width) {
    Plan plan;
    const int used = ByteCodewords((data_bits + 7) / 8);
    // The level recommended for the amount of data; above 833 codewords only level 4 leaves room.
    int level = used <= 40 ? 2 : used <= 160 ? 3 : used <= 320 ? 4 : used <= 833 ? 5 : used <= 865 ? 4 : -1;
    if (level < 0) return plan;
    const int ec = 2 << level;
    const int total = used + ec + kOverhead;
    // As many columns as fit over the linear symbol (it starts 7 modules in, the component's row
    // has 69 modules besides its data columns), more only when the rows would exceed 30.
    int columns = std::min(kMaxSide, linear_width == 68 ? 1 : (linear_width - 52) / 17);
    int rows = (total + columns - 1) / columns;
    while (rows > kMaxSide && columns < kMaxSide) {
        ++columns;
        rows = (total + columns - 1) / columns;
    }
    if (rows > kMaxSide) return plan;
    rows = std::max(rows, 3);
    plan.layout = {columns, rows, level};
    const int room = columns * rows - ec - kOverhead;
    plan.bits = 8 * (room / 5 * 6 + room % 5);
    return plan;
}

}  // namespace

std::vector<std::vector<uint8_t>> EncodeCcC(const std::string& element_data, int linear_width) {
    const CompositeBits data = EncodeCompositeBits(element_data);
    Plan plan;
    // The plan of the last length asked about is the one the padded bits fill.
    const std::string bits = PadCompositeBits(data, [&](int n) {
        plan = PlanFor(n, linear_width);
        return plan.bits;
    });
    if (bits.empty()) {
        throw EncodeError(EncodeErrorKind::TooLong, "The data does not fit a CC-C composite component", -1, 865);
    }
    std::string bytes;
    for (size_t i = 0; i + 8 <= bits.size(); i += 8) bytes += char(std::stoi(bits.substr(i, 8), nullptr, 2));
    std::vector<int> codewords{0, kCcCMarker, bytes.size() % 6 == 0 ? kPdf417ByteLatch6 : kPdf417ByteLatch};
    AppendPdf417Bytes(bytes, {'B', 0, bytes.size()}, codewords);
    codewords[0] = int(codewords.size());
    const std::vector<int> ec = Pdf417ErrorCorrection(codewords, plan.layout.level);
    codewords.insert(codewords.end(), ec.begin(), ec.end());

    const ModuleMatrix matrix = Pdf417Rows(codewords, plan.layout);
    std::vector<std::vector<uint8_t>> rows(size_t(matrix.Rows()), std::vector<uint8_t>(size_t(matrix.Columns())));
    for (int y = 0; y < matrix.Rows(); ++y) {
        for (int x = 0; x < matrix.Columns(); ++x) rows[size_t(y)][size_t(x)] = matrix.Get(x, y) ? 1 : 0;
    }
    return rows;
}
