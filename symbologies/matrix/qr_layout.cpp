#include "symbologies/matrix/qr_layout.h"

#include <algorithm>
#include <cstdlib>

#include "symbologies/matrix/qr_tables.h"

namespace {

void PlaceFinder(QrGrid& g, int top, int left) {
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c) {
            const int ring = std::max(std::abs(r - 3), std::abs(c - 3));
            g.At(top + r, left + c) = ring == 2 ? kQrFinderLight : kQrFinderDark;
        }
}

void PlaceAlignment(QrGrid& g, int row, int column) {
    for (int r = -2; r <= 2; ++r)
        for (int c = -2; c <= 2; ++c)
            g.At(row + r, column + c) = std::max(std::abs(r), std::abs(c)) == 1 ? kQrAlignmentLight : kQrAlignmentDark;
}

}  // namespace

QrFormatPosition QrFormatPositionOf(int p, int n) {
    QrFormatPosition f{};
    // Copy 1: along row 8 to the corner (stepping over the timing column), then up column 8
    // (stepping over the timing row).
    if (p <= 7) {
        f.row1 = 8;
        f.column1 = p <= 5 ? p : p + 1;
    } else {
        f.row1 = p == 8 ? 7 : 14 - p;
        f.column1 = 8;
    }
    // Copy 2: up column 8 from the bottom edge, then along row 8 to the right edge.
    if (p <= 6) {
        f.row2 = n - 1 - p;
        f.column2 = 8;
    } else {
        f.row2 = 8;
        f.column2 = n - 15 + p;
    }
    return f;
}

QrGrid QrFunctionTemplate(int version) {
    const int n = QrSize(version);
    QrGrid g(n);
    PlaceFinder(g, 0, 0);
    PlaceFinder(g, 0, n - 7);
    PlaceFinder(g, n - 7, 0);
    for (int i = 0; i < 8; ++i) {
        g.At(7, i) = g.At(i, 7) = kQrSeparator;              // top left
        g.At(7, n - 1 - i) = g.At(i, n - 8) = kQrSeparator;  // top right
        g.At(n - 8, i) = g.At(n - 1 - i, 7) = kQrSeparator;  // bottom left
    }
    for (int i = 8; i <= n - 9; ++i) g.At(6, i) = g.At(i, 6) = i % 2 == 0 ? kQrTimingDark : kQrTimingLight;
    const std::vector<int> centres = QrAlignmentCentres(version);
    const size_t last = centres.size() - 1;
    for (size_t a = 0; a < centres.size(); ++a)
        for (size_t b = 0; b < centres.size(); ++b) {
            const bool on_finder = (a == 0 && b == 0) || (a == 0 && b == last) || (a == last && b == 0);
            if (!on_finder) PlaceAlignment(g, centres[a], centres[b]);
        }
    g.At(4 * version + 9, 8) = kQrDarkModule;
    if (version >= 7) {
        const uint32_t info = QrVersionInfo(version);
        for (int b = 0; b < 18; ++b) {
            const uint8_t module = (info >> b) & 1 ? kQrVersionDark : kQrVersionLight;
            g.At(b / 3, n - 11 + b % 3) = module;
            g.At(n - 11 + b % 3, b / 3) = module;
        }
    }
    for (int p = 0; p < 15; ++p) {
        const QrFormatPosition f = QrFormatPositionOf(p, n);
        g.At(f.row1, f.column1) = kQrFormatLight;
        g.At(f.row2, f.column2) = kQrFormatLight;
    }
    return g;
}

std::vector<int> QrZigzagOrder(const std::vector<uint8_t>& cells, int rows, int columns, int first_right,
                               int skipped_column) {
    std::vector<int> order;
    order.reserve(cells.size());
    bool upward = true;
    for (int right = first_right; right > 0; right -= 2) {
        if (right == skipped_column) --right;
        for (int k = 0; k < rows; ++k) {
            const int row = upward ? rows - 1 - k : k;
            for (int column : {right, right - 1})
                if (cells[size_t(row) * columns + column] == kQrData) order.push_back(row * columns + column);
        }
        upward = !upward;
    }
    return order;
}

std::vector<int> QrPlacementOrder(const QrGrid& t) {
    return QrZigzagOrder(t.cells, t.size, t.size, t.size - 1, 6);  // column 6 holds the vertical timing pattern
}

QrGrid QrPlaceData(const QrGrid& t, const std::vector<uint8_t>& codewords) {
    QrGrid data(t.size);
    const std::vector<int> order = QrPlacementOrder(t);
    const size_t bits = std::min(order.size(), 8 * codewords.size());
    for (size_t k = 0; k < bits; ++k) data.cells[size_t(order[k])] = (codewords[k / 8] >> (7 - k % 8)) & 1;
    return data;
}
