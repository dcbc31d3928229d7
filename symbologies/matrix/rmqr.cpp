#include "symbologies/matrix/rmqr.h"

#include <algorithm>
#include <cstdlib>

#include "core/model/encode_error.h"
#include "symbologies/matrix/qr_codewords.h"
#include "symbologies/matrix/qr_layout.h"
#include "symbologies/matrix/qr_mask.h"
#include "symbologies/matrix/qr_segments.h"
#include "symbologies/matrix/qr_text.h"
#include "symbologies/matrix/rmqr_tables.h"
#include "symbologies/symbol_building.h"

namespace {

QrSegmentFields FieldsOf(const RmqrSize& size) {
    return {3, {1, 2, 3, 4}, {size.count_bits[0], size.count_bits[1], size.count_bits[2], size.count_bits[3]}, 7, 5};
}

const QrBlockLayout& BlocksOf(const RmqrSize& size, QrLevel level) { return size.blocks[level == QrLevel::H ? 1 : 0]; }

// A grid of module classes, rows x columns.
struct Grid {
    Grid(int rows, int columns) : rows(rows), columns(columns), cells(size_t(rows) * columns, kQrData) {}
    uint8_t& At(int r, int c) { return cells[size_t(r) * columns + c]; }
    uint8_t At(int r, int c) const { return cells[size_t(r) * columns + c]; }
    int rows, columns;
    std::vector<uint8_t> cells;
};

uint8_t Timing(int index) { return index % 2 == 0 ? kQrTimingDark : kQrTimingLight; }

// Format information bit p (0 least significant) of the copy beside the finder pattern and of the
// copy beside the finder sub-pattern.
void FormatPositions(int p, int h, int w, int& r1, int& c1, int& r2, int& c2) {
    if (p < 15) {
        r1 = 1 + p % 5;
        c1 = 8 + p / 5;
        r2 = h - 6 + p % 5;
        c2 = w - 8 + p / 5;
    } else {
        r1 = 1 + (p - 15);
        c1 = 11;
        r2 = h - 6;
        c2 = w - 5 + (p - 15);
    }
}

Grid FunctionTemplate(const RmqrSize& size) {
    const int h = size.height, w = size.width;
    Grid g(h, w);
    // Timing patterns along all four edges, under the other patterns.
    for (int c = 0; c < w; ++c) g.At(0, c) = g.At(h - 1, c) = Timing(c);
    for (int r = 0; r < h; ++r) g.At(r, 0) = g.At(r, w - 1) = Timing(r);
    // Corner finder patterns, top right and bottom left (the finder's separator takes the latter's
    // top in 9-module symbols, the finder pattern all of it in 7-module ones).
    g.At(0, w - 2) = g.At(0, w - 1) = g.At(1, w - 1) = kQrFinderDark;
    g.At(1, w - 2) = kQrFinderLight;
    g.At(h - 1, 0) = g.At(h - 1, 1) = g.At(h - 2, 0) = kQrFinderDark;
    g.At(h - 2, 1) = kQrFinderLight;
    // Finder pattern and its separator.
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c)
            g.At(r, c) = std::max(std::abs(r - 3), std::abs(c - 3)) == 2 ? kQrFinderLight : kQrFinderDark;
    for (int r = 0; r < std::min(h, 8); ++r) g.At(r, 7) = kQrSeparator;
    if (h > 7)
        for (int c = 0; c < 8; ++c) g.At(7, c) = kQrSeparator;
    // Finder sub-pattern at the bottom right.
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            g.At(h - 5 + r, w - 5 + c) =
                std::max(std::abs(r - 2), std::abs(c - 2)) == 1 ? kQrAlignmentLight : kQrAlignmentDark;
    // Alignment patterns at the top and bottom of each vertical timing pattern.
    int count = 0;
    const int* columns = RmqrAlignmentColumns(w, count);
    for (int a = 0; a < count; ++a) {
        const int x = columns[a];
        for (int r = 0; r < h; ++r) g.At(r, x) = Timing(r);
        for (int top : {0, h - 3})
            for (int r = 0; r < 3; ++r)
                for (int c = -1; c <= 1; ++c)
                    g.At(top + r, x + c) = r == 1 && c == 0 ? kQrAlignmentLight : kQrAlignmentDark;
    }
    for (int p = 0; p < 18; ++p) {
        int r1, c1, r2, c2;
        FormatPositions(p, h, w, r1, c1, r2, c2);
        g.At(r1, c1) = g.At(r2, c2) = kQrFormatLight;
    }
    return g;
}

// 6 bits (level, size) with a BCH (18, 6) code, masked differently for each copy.
uint32_t FormatBits(int size, QrLevel level) {
    const uint32_t data = uint32_t((level == QrLevel::H ? 32 : 0) | size);
    uint32_t remainder = data << 12;
    for (int bit = 17; bit >= 12; --bit)
        if (remainder >> bit & 1) remainder ^= 0x1F25u << (bit - 12);
    return (data << 12) | remainder;
}

// A size's function patterns and the order its data modules take the codeword bits, built once.
struct Layout {
    Grid function_template;
    std::vector<int> order;
};

const Layout& LayoutOf(int index) {
    static const std::vector<Layout> layouts = [] {
        std::vector<Layout> all;
        all.reserve(kRmqrSizes);
        for (int i = 0; i < kRmqrSizes; ++i) {
            const RmqrSize& size = RmqrSizeOf(i);
            Grid g = FunctionTemplate(size);
            std::vector<int> order = QrZigzagOrder(g.cells, size.height, size.width, size.width - 2, -1);
            all.push_back({std::move(g), std::move(order)});
        }
        return all;
    }();
    return layouts[size_t(index)];
}

constexpr uint32_t kLeftFormatMask = 0x1FAB2;
constexpr uint32_t kRightFormatMask = 0x20A7B;
constexpr int kMask = 4;  // the one mask: (row / 2 + column / 3) even

}  // namespace

RmqrSymbol EncodeRmqr(const std::string& bytes, const RmqrRequest& request) {
    if (request.level != QrLevel::M && request.level != QrLevel::H)
        throw EncodeError(EncodeErrorKind::InvalidOption, "error level must be M or H in rMQR");
    QrMixedOptions split_options;
    split_options.kanji = request.shift_jis;
    const int prefix = QrEciBits(request.eci, 3);
    int chosen = -1;
    QrSplit split{QrSplit::kUnreachable, {}};
    int largest_bits = 0;
    long best_area = 0;
    for (int i = 0; i < kRmqrSizes; ++i) {
        const RmqrSize& size = RmqrSizeOf(i);
        if (request.size >= 0 && i != request.size) continue;
        if (request.size < 0 && request.height != 0 && size.height != request.height) continue;
        const int capacity = 8 * BlocksOf(size, request.level).DataCodewords();
        largest_bits = std::max(largest_bits, capacity);
        const long area = long(size.height) * size.width;
        if (chosen >= 0 && area >= best_area) continue;
        QrSplit candidate = QrFewestBitsSplit(bytes, split_options, FieldsOf(size));
        if (prefix + candidate.bits > capacity) continue;
        chosen = i;
        best_area = area;
        split = std::move(candidate);
    }
    if (chosen < 0) {
        const std::string where = request.size >= 0 ? "size " + RmqrName(request.size)
                                  : request.height != 0 ? "height " + std::to_string(request.height)
                                                        : "R17x139";
        throw EncodeError(EncodeErrorKind::TooLong,
                          "data too long for rMQR " + where + " at error level " + "LMQH"[int(request.level)] +
                              ": it holds " + std::to_string(largest_bits) + " data bits",
                          -1, largest_bits);
    }
    const RmqrSize& size = RmqrSizeOf(chosen);
    const QrBlockLayout& blocks = BlocksOf(size, request.level);
    const QrSegmentFields fields = FieldsOf(size);
    QrBitBuffer bits;
    if (request.eci >= 0) QrAppendEci(bits, request.eci, fields.eci_indicator, 3);
    for (const QrSegment& segment : split.segments) QrAppendSegment(bits, segment.data, segment.mode, fields);
    const std::vector<uint8_t> codewords =
        QrInterleavedCodewords(QrPaddedCodewords(bits, 8 * blocks.DataCodewords(), 3), blocks);

    const int h = size.height, w = size.width;
    const Layout& layout = LayoutOf(chosen);
    const Grid& function_template = layout.function_template;
    const std::vector<int>& order = layout.order;
    RmqrSymbol symbol{chosen, ModuleMatrix(w, h)};
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) symbol.matrix.Set(c, r, function_template.At(r, c) & 1);
    for (size_t k = 0; k < order.size(); ++k) {
        const int r = order[k] / w, c = order[k] % w;
        const bool bit = k < 8 * codewords.size() && (codewords[k / 8] >> (7 - k % 8) & 1);
        symbol.matrix.Set(c, r, bit != QrMaskCondition(kMask, r, c));
    }
    const uint32_t format = FormatBits(chosen, request.level);
    for (int p = 0; p < 18; ++p) {
        int r1, c1, r2, c2;
        FormatPositions(p, h, w, r1, c1, r2, c2);
        symbol.matrix.Set(c1, r1, ((format ^ kLeftFormatMask) >> p) & 1);
        symbol.matrix.Set(c2, r2, ((format ^ kRightFormatMask) >> p) & 1);
    }
    return symbol;
}

namespace {

// Quiet zone: 2 modules all round (ISO/IEC 23941 6.3.8).
constexpr double kRmqrQuiet = 2;
constexpr size_t kMostCharacters = 361;  // R17x139 level M, numeric

int SizeOption(const std::string& name) {
    if (name.empty() || name == "auto") return -1;
    const std::string bare = name[0] == 'R' || name[0] == 'r' ? name.substr(1) : name;
    for (int i = 0; i < kRmqrSizes; ++i)
        if (RmqrName(i).substr(1) == bare) return i;
    throw EncodeError(EncodeErrorKind::InvalidOption,
                      "size \"" + name + "\" is not an rMQR size (R7x43 ... R17x139: heights 7 to 17, widths 27 to 139)");
}

}  // namespace

EncodedSymbol EncodeRmqrSymbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, kMostCharacters);
    RmqrRequest request;
    if (options.error == "M") request.level = QrLevel::M;
    else if (options.error == "H") request.level = QrLevel::H;
    else throw EncodeError(EncodeErrorKind::InvalidOption, "error \"" + options.error + "\" is not M or H");
    request.size = SizeOption(options.size);
    if (options.rows != 0 && (options.rows < 7 || options.rows > 17 || options.rows % 2 == 0))
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "rows " + std::to_string(options.rows) + " is not an rMQR height (7, 9, 11, 13, 15, 17)");
    if (options.rows != 0 && request.size >= 0 && RmqrSizeOf(request.size).height != options.rows)
        throw EncodeError(EncodeErrorKind::InvalidOption, "rows " + std::to_string(options.rows) +
                                                              " differs from the height of size " + options.size);
    request.height = options.rows;
    const QrText bytes = QrTextOf(text, options.eci, options.encoding, true);
    RefuseEmpty(text);
    request.eci = bytes.eci;
    request.shift_jis = bytes.shift_jis;
    return MatrixSymbol(EncodeRmqr(bytes.bytes, request).matrix, 1, kRmqrQuiet, text);
}
