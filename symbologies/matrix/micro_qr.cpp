#include "symbologies/matrix/micro_qr.h"

#include <algorithm>
#include <array>

#include "core/model/encode_error.h"
#include "symbologies/matrix/qr_codewords.h"
#include "symbologies/matrix/qr_layout.h"
#include "symbologies/matrix/qr_mask.h"
#include "symbologies/matrix/qr_segments.h"
#include "symbologies/matrix/qr_text.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr int kMaxVersion = 4;

struct Capacity {
    int data_bits;  // 0: the level does not exist in the version
    int ec_codewords;
    int symbol_number;  // version and level as the format information carries them
};

// By version (M1..M4) and level (L, M, Q); M1's only level is error detection, filed under L.
constexpr Capacity kCapacities[kMaxVersion][3] = {
    {{20, 2, 0}, {0, 0, 0}, {0, 0, 0}},
    {{40, 5, 1}, {32, 6, 2}, {0, 0, 0}},
    {{84, 6, 3}, {68, 8, 4}, {0, 0, 0}},
    {{128, 8, 5}, {112, 10, 6}, {80, 14, 7}},
};

int SizeOf(int version) { return 2 * version + 9; }

// Mode indicators grow from none (M1, numeric only) to three bits; so do the count fields.
QrSegmentFields FieldsOf(int version) {
    static constexpr int kCountBits[kMaxVersion][4] = {{3, 0, 0, 0}, {4, 3, 0, 0}, {5, 4, 4, 3}, {6, 5, 5, 4}};
    QrSegmentFields fields{version - 1, {0, 1, 2, 3}, {}, 0, 0};
    std::copy(std::begin(kCountBits[version - 1]), std::end(kCountBits[version - 1]), fields.count_bits);
    return fields;
}

// The four Micro QR masks are QR Code masks 1, 4, 6 and 7.
constexpr int kQrMaskOf[4] = {1, 4, 6, 7};

QrGrid FunctionTemplate(int version) {
    const int n = SizeOf(version);
    QrGrid g(n);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c)
            g.At(r, c) = std::max(std::abs(r - 3), std::abs(c - 3)) == 2 ? kQrFinderLight : kQrFinderDark;
    for (int i = 0; i < 8; ++i) g.At(7, i) = g.At(i, 7) = kQrSeparator;
    for (int i = 8; i < n; ++i) g.At(0, i) = g.At(i, 0) = i % 2 == 0 ? kQrTimingDark : kQrTimingLight;
    for (int i = 1; i <= 8; ++i) g.At(8, i) = g.At(i, 8) = kQrFormatLight;
    return g;
}

// A version's function patterns and the order its data modules take the bits, built once.
struct Layout {
    QrGrid function_template;
    std::vector<int> order;
};

const Layout& LayoutOf(int version) {
    static const std::vector<Layout> layouts = [] {
        std::vector<Layout> all;
        for (int v = 1; v <= kMaxVersion; ++v) {
            QrGrid g = FunctionTemplate(v);
            std::vector<int> order = QrZigzagOrder(g.cells, g.size, g.size, g.size - 1, -1);
            all.push_back({std::move(g), std::move(order)});
        }
        return all;
    }();
    return layouts[size_t(version - 1)];
}

// Format information bit p (0 least significant): down column 8 from row 1, then along row 8
// from column 8 back to column 1.
void FormatPosition(int p, int& row, int& column) {
    if (p < 7) {
        row = p + 1;
        column = 8;
    } else {
        row = 8;
        column = 15 - p;
    }
}

uint32_t FormatInfo(int symbol_number, int mask) {
    const uint32_t data = uint32_t(symbol_number << 2 | mask);
    uint32_t remainder = data << 10;
    for (int bit = 14; bit >= 10; --bit)
        if (remainder >> bit & 1) remainder ^= 0x537u << (bit - 10);
    return ((data << 10) | remainder) ^ 0x4445;
}

// The Micro QR mask rule on the dark modules of the right and the bottom edge (timing modules
// apart): the fewer counts sixteen times. Higher is better.
int MaskScore(int right, int bottom) { return right <= bottom ? right * 16 + bottom : bottom * 16 + right; }

const Capacity& CapacityOf(int version, QrLevel level) {
    static constexpr Capacity kNone{0, 0, 0};
    const int index = version == 1 ? 0 : int(level);
    if (version == 1 && level != QrLevel::L) return kNone;
    return index < 3 ? kCapacities[version - 1][index] : kNone;
}

std::string VersionName(int version) { return "M" + std::to_string(version); }

}  // namespace

MicroQrSymbol EncodeMicroQr(const std::string& bytes, bool shift_jis, QrLevel level, int version) {
    if (level == QrLevel::H)
        throw EncodeError(EncodeErrorKind::InvalidOption, "error H does not exist in Micro QR (L, M; Q in M4)");
    if (version != 0 && CapacityOf(version, level).data_bits == 0)
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          std::string("version ") + VersionName(version) + " has no error level " + "LMQH"[int(level)] +
                              (version == 1 ? " (M1: error detection only, error L)" : " (Q: M4 only)"));
    QrMixedOptions split_options;
    split_options.kanji = shift_jis;
    const int first = version == 0 ? 1 : version, last = version == 0 ? kMaxVersion : version;
    int chosen = 0;
    QrSplit split{QrSplit::kUnreachable, {}};
    for (int v = first; v <= last && chosen == 0; ++v) {
        const Capacity& capacity = CapacityOf(v, level);
        if (capacity.data_bits == 0) continue;
        split = QrFewestBitsSplit(bytes, split_options, FieldsOf(v));
        if (split.bits <= capacity.data_bits) chosen = v;
    }
    if (chosen == 0) {
        if (version == 1 && split.bits >= QrSplit::kUnreachable)
            throw EncodeError(EncodeErrorKind::InvalidData, "version M1 holds digits only");
        const int limit = version == 0 ? kMaxVersion : version;
        const int bits = CapacityOf(limit, level).data_bits;
        throw EncodeError(EncodeErrorKind::TooLong,
                          "data too long for Micro QR " + VersionName(limit) + " at error level " + "LMQH"[int(level)] +
                              ": it holds " + std::to_string(bits) + " data bits",
                          -1, bits);
    }
    const Capacity& capacity = CapacityOf(chosen, level);
    const QrSegmentFields fields = FieldsOf(chosen);
    QrBitBuffer bits;
    for (const QrSegment& segment : split.segments) QrAppendSegment(bits, segment.data, segment.mode, fields);
    const std::vector<uint8_t> data = QrPaddedCodewords(bits, capacity.data_bits, 2 * chosen + 1);
    const std::vector<uint8_t> ec = QrErrorCorrection(data, capacity.ec_codewords);

    // Every bit in placement order: the data codewords (the last one four bits long in M1 and M3),
    // then the error correction codewords.
    QrBitBuffer stream;
    for (size_t i = 0; i < data.size(); ++i) {
        const bool half = i + 1 == data.size() && capacity.data_bits % 8 != 0;
        stream.Append(half ? data[i] >> 4 : data[i], half ? 4 : 8);
    }
    for (uint8_t codeword : ec) stream.Append(codeword, 8);

    const Layout& layout = LayoutOf(chosen);
    const QrGrid& function_template = layout.function_template;
    const int n = function_template.size;
    const std::vector<int>& order = layout.order;
    QrGrid placed = function_template;
    for (size_t k = 0; k < order.size(); ++k)
        placed.cells[size_t(order[k])] = k < stream.Size() && stream.Bit(k) ? 1 : 0;

    // The rule reads the right and bottom edges alone: each mask is scored on those, and only the
    // chosen one is applied to the whole data region.
    int best_mask = 0, best_score = -1;
    for (int mask = 0; mask < 4; ++mask) {
        int right = 0, bottom = 0;
        for (int i = 1; i < n; ++i) {
            right += (placed.At(i, n - 1) & 1) != (function_template.At(i, n - 1) == kQrData &&
                                                   QrMaskCondition(kQrMaskOf[mask], i, n - 1));
            bottom += (placed.At(n - 1, i) & 1) != (function_template.At(n - 1, i) == kQrData &&
                                                    QrMaskCondition(kQrMaskOf[mask], n - 1, i));
        }
        const int score = MaskScore(right, bottom);
        if (score > best_score) {
            best_score = score;
            best_mask = mask;
        }
    }
    QrGrid best = std::move(placed);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            if (function_template.At(r, c) == kQrData && QrMaskCondition(kQrMaskOf[best_mask], r, c)) best.At(r, c) ^= 1;
    const uint32_t format = FormatInfo(capacity.symbol_number, best_mask);
    for (int p = 0; p < 15; ++p) {
        int row, column;
        FormatPosition(p, row, column);
        best.At(row, column) = (format >> p) & 1;
    }
    MicroQrSymbol symbol{chosen, level, best_mask, ModuleMatrix(n, n)};
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) symbol.matrix.Set(c, r, best.At(r, c) & 1);
    return symbol;
}

namespace {

// Quiet zone: 2 modules all round (ISO/IEC 18004 9.1).
constexpr double kMicroQrQuiet = 2;
constexpr size_t kMostCharacters = 35;  // M4-L numeric

QrLevel LevelOption(const std::string& error) {
    if (error == "L") return QrLevel::L;
    if (error == "M") return QrLevel::M;
    if (error == "Q") return QrLevel::Q;
    throw EncodeError(EncodeErrorKind::InvalidOption, "error \"" + error + "\" is not L, M or Q");
}

// "M1" to "M4" (or "1" to "4"); "" and "auto" any.
int VersionOption(const std::string& size) {
    if (size.empty() || size == "auto") return 0;
    const std::string digit = size.size() == 2 && (size[0] == 'M' || size[0] == 'm') ? size.substr(1) : size;
    if (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '4') return digit[0] - '0';
    throw EncodeError(EncodeErrorKind::InvalidOption, "version \"" + size + "\" is not M1, M2, M3 or M4");
}

}  // namespace

EncodedSymbol EncodeMicroQrSymbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, kMostCharacters);
    const QrLevel level = LevelOption(options.error);
    const int version = VersionOption(options.size);
    const QrText bytes = QrTextOf(text, options.eci, options.encoding, false);
    RefuseEmpty(text);
    const MicroQrSymbol symbol = EncodeMicroQr(bytes.bytes, bytes.shift_jis, level, version);
    return MatrixSymbol(symbol.matrix, 1, kMicroQrQuiet, text);
}
