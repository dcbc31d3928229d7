#include "symbologies/composite/composite_component.h"

#include <algorithm>
#include <string>

#include "core/model/encode_error.h"
#include "symbologies/composite/composite_bits.h"
#include "symbologies/matrix/micropdf417.h"
#include "symbologies/matrix/micropdf417_sizes.h"
#include "symbologies/matrix/pdf417_compaction.h"

namespace {

constexpr int kCcBMarker = 920;  // first codeword of a CC-B

// CC-A sizes: columns, rows, error correction codewords, left / centre / right row address pattern
// of the top row (3 columns have no left pattern), cluster of the top row.
constexpr MicroPdf417Size kCcASizes[] = {
    {2, 5, 4, 39, 0, 19, 2},  {2, 6, 4, 1, 0, 33, 0},   {2, 7, 5, 32, 0, 12, 1},  {2, 8, 5, 8, 0, 40, 1},
    {2, 9, 6, 14, 0, 46, 1},  {2, 10, 6, 43, 0, 23, 0}, {2, 12, 7, 20, 0, 52, 1}, {3, 4, 4, 0, 43, 23, 1},
    {3, 5, 5, 0, 33, 13, 0},  {3, 6, 6, 0, 37, 17, 1},  {3, 7, 7, 0, 47, 27, 2},  {3, 8, 7, 0, 1, 33, 2},
    {4, 3, 4, 40, 20, 52, 0}, {4, 4, 5, 43, 23, 3, 0},  {4, 5, 6, 46, 26, 6, 0},  {4, 6, 7, 34, 14, 46, 0},
    {4, 7, 8, 29, 9, 41, 1},
};

// CC-A packs its bits 69 at a time into 7 base-928 codewords, a shorter last group into
// bits / 10 + 1 of them.
int Base928Codewords(int bits) { return bits / 69 * 7 + (bits % 69 != 0 ? bits % 69 / 10 + 1 : 0); }

std::vector<int> Base928(const std::string& bits) {
    std::vector<int> codewords;
    for (size_t start = 0; start < bits.size(); start += 69) {
        const size_t count = std::min<size_t>(69, bits.size() - start);
        std::vector<int> digits(count / 10 + 1, 0);  // most significant first
        for (size_t i = start; i < start + count; ++i) {
            int carry = bits[i] - '0';
            for (size_t d = digits.size(); d-- > 0;) {
                const int v = digits[d] * 2 + carry;
                digits[d] = v % 928;
                carry = v / 928;
            }
        }
        codewords.insert(codewords.end(), digits.begin(), digits.end());
    }
    return codewords;
}

// CC-B writes its bytes as byte compaction after the marker: 920, a latch, 5 codewords per 6 bytes
// and one per byte left.
int CcBCodewords(int bytes) { return 2 + bytes / 6 * 5 + bytes % 6; }

// The sizes of one type and width, with the most data bits each holds.
struct Fit {
    const MicroPdf417Size* size;
    int bits;
};

std::vector<Fit> CcAFits(int columns) {
    std::vector<Fit> fits;
    for (const MicroPdf417Size& size : kCcASizes) {
        if (size.columns != columns) continue;
        int bits = 0;
        while (Base928Codewords(bits + 1) <= size.Capacity()) ++bits;
        fits.push_back({&size, bits});
    }
    return fits;
}

std::vector<Fit> CcBFits(int columns) {
    std::vector<Fit> fits;
    for (int index = 0; index < kMicroPdf417Sizes; ++index) {
        const MicroPdf417Size& size = MicroPdf417SizeAt(index);
        if (size.columns != columns) continue;
        int bytes = 0;
        while (CcBCodewords(bytes + 1) <= size.Capacity()) ++bytes;
        fits.push_back({&size, bytes * 8});
    }
    return fits;
}

// The data padded to the first size that holds it; nullptr when none does.
const MicroPdf417Size* Pad(const CompositeBits& data, const std::vector<Fit>& fits, std::string& bits) {
    auto target = [&fits](int n) {
        for (const Fit& fit : fits) {
            if (n <= fit.bits) return fit.bits;
        }
        return 0;
    };
    bits = PadCompositeBits(data, target);
    for (const Fit& fit : fits) {
        if (int(bits.size()) == fit.bits) return fit.size;
    }
    return nullptr;
}

std::vector<int> CcBData(const std::string& bits) {
    std::string bytes;
    for (size_t i = 0; i + 8 <= bits.size(); i += 8) bytes += char(std::stoi(bits.substr(i, 8), nullptr, 2));
    std::vector<int> codewords{kCcBMarker, bytes.size() % 6 == 0 ? kPdf417ByteLatch6 : kPdf417ByteLatch};
    AppendPdf417Bytes(bytes, {'B', 0, bytes.size()}, codewords);
    return codewords;
}

[[noreturn]] void ThrowTooLong(char type, const std::vector<Fit>& fits) {
    const int capacity = fits.back().size->Capacity();
    throw EncodeError(EncodeErrorKind::TooLong,
                      std::string("The data does not fit a CC-") + type + " composite component of " +
                          std::to_string(fits.back().size->columns) + " columns (" + std::to_string(capacity) +
                          " codewords at most)",
                      -1, capacity);
}

}  // namespace

CompositeComponent EncodeCompositeComponent(const std::string& element_data, int columns, CompositeType type) {
    if (columns < 2 || columns > 4) {
        throw EncodeError(EncodeErrorKind::InvalidOption, "A composite component has 2, 3 or 4 columns");
    }
    const CompositeBits data = EncodeCompositeBits(element_data);
    CompositeComponent out;
    std::string bits;
    if (type != CompositeType::B) {
        const std::vector<Fit> fits = CcAFits(columns);
        if (const MicroPdf417Size* size = Pad(data, fits, bits)) {
            out.type = 'A';
            out.rows = MicroPdf417Rows(Base928(bits), *size);
            return out;
        }
        if (type == CompositeType::A) ThrowTooLong('A', fits);
    }
    const std::vector<Fit> fits = CcBFits(columns);
    const MicroPdf417Size* size = Pad(data, fits, bits);
    if (size == nullptr) ThrowTooLong('B', fits);
    out.type = 'B';
    out.rows = MicroPdf417Rows(CcBData(bits), *size);
    return out;
}
