#include "symbologies/matrix/pdf417_symbol.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "symbologies/matrix/pdf417_clusters.h"
#include "symbologies/matrix/pdf417_compaction.h"
#include "symbologies/matrix/pdf417_minimal.h"
#include "symbologies/matrix/pdf417_error_correction.h"

namespace {

constexpr int kMaxCodewords = 928;  // data and error correction together
constexpr int kMaxColumns = 30;
constexpr int kMinRows = 3;
constexpr int kMaxRows = 90;
constexpr int kPadCodeword = 900;

int EcCodewords(int level) { return 2 << level; }
int CeilDiv(int a, int b) { return (a - 1) / b + 1; }

// Columns and rows whose shape is closest to the aspect ratio (height / width) for f codewords.
void AspectRatioLayout(int f, double ratio, int row_height, int& columns, int& rows) {
    const double t = 73 * ratio - 4;
    const double c = (std::sqrt(68 * ratio * f * row_height + t * t) - t) / (34 * ratio) + 0.5;
    columns = int(std::clamp(c, 1.0, double(kMaxColumns)));
    rows = std::max(kMinRows, CeilDiv(f, columns));
    if (rows > kMaxRows) {
        columns = CeilDiv(f, kMaxRows);
        rows = kMaxRows;
    }
    if (columns * rows > kMaxCodewords) {  // both shapes hold exactly 928 codewords
        rows = columns < 22 ? 58 : 32;
        columns = columns < 22 ? 16 : 29;
    }
}

// Fills in the columns and rows for f codewords, keeping those the settings fix; false when the
// result cannot hold them or is no valid symbol.
bool FitLayout(int f, const Pdf417Settings& s, int& columns, int& rows) {
    if (s.columns == 0 && s.rows == 0) {
        AspectRatioLayout(f, s.aspect_ratio, s.row_height, columns, rows);
        return true;
    }
    columns = s.columns != 0 ? s.columns : std::max(1, CeilDiv(f, s.rows));
    rows = s.rows != 0 ? s.rows : std::max(kMinRows, CeilDiv(f, s.columns));
    return columns <= kMaxColumns && rows <= kMaxRows && columns * rows <= kMaxCodewords && columns * rows >= f;
}

void AppendPattern(ModuleMatrix& matrix, int row, int& x, uint32_t pattern, int modules) {
    for (int bit = modules - 1; bit >= 0; --bit, ++x) {
        if ((pattern >> bit) & 1) matrix.Set(x, row);
    }
}

}  // namespace

int Pdf417LevelForSpace(int free_codewords) {
    int level = -1;
    while (level < 8 && EcCodewords(level + 1) <= free_codewords) ++level;
    return level;
}

int Pdf417RequestedLevel(int data_codewords) {
    if (data_codewords <= 40) return 2;
    if (data_codewords <= 160) return 3;
    if (data_codewords <= 320) return 4;
    return 5;
}

Pdf417Layout ChoosePdf417Layout(int data_codewords, const Pdf417Settings& settings) {
    const int d = data_codewords;
    Pdf417Layout layout;
    if (!settings.auto_error_level) {
        const int f = d + EcCodewords(settings.error_level);
        if (f > kMaxCodewords || !FitLayout(f, settings, layout.columns, layout.rows)) {
            throw std::out_of_range("The text is too big.");
        }
        layout.level = settings.error_level;
        return layout;
    }
    // The level the data asks for; a fixed column or row count that cannot hold it gets a lower one.
    int level = std::min(Pdf417RequestedLevel(d), Pdf417LevelForSpace(kMaxCodewords - d));
    while (level >= 0 && !FitLayout(d + EcCodewords(level), settings, layout.columns, layout.rows)) --level;
    if (level < 0) throw std::out_of_range("The text is too big.");
    // Room the layout leaves beyond the data goes to error correction first.
    layout.level = Pdf417LevelForSpace(layout.columns * layout.rows - d);
    return layout;
}

int Pdf417LeftRowIndicator(int row, const Pdf417Layout& layout) {
    const int g = 30 * (row / 3);
    switch (row % 3) {
    case 0: return g + (layout.rows - 1) / 3;
    case 1: return g + 3 * layout.level + (layout.rows - 1) % 3;
    default: return g + layout.columns - 1;
    }
}

int Pdf417RightRowIndicator(int row, const Pdf417Layout& layout) {
    const int g = 30 * (row / 3);
    switch (row % 3) {
    case 0: return g + layout.columns - 1;
    case 1: return g + (layout.rows - 1) / 3;
    default: return g + 3 * layout.level + (layout.rows - 1) % 3;
    }
}

std::vector<int> Pdf417EciCodewords(int eci) {
    if (eci < 900) return {927, eci};
    if (eci < 810900) return {926, eci / 900 - 1, eci % 900};
    return {925, eci - 810900};
}

ModuleMatrix Pdf417Encoder::Encode(const std::string& bytes) {
    codewords_ = settings_.fewest_codewords ? CompactPdf417Minimal(bytes) : CompactPdf417(bytes);
    if (settings_.eci >= 0) {
        const std::vector<int> eci = Pdf417EciCodewords(settings_.eci);
        codewords_.insert(codewords_.begin() + 1, eci.begin(), eci.end());
    }
    const int d = int(codewords_.size());
    layout_ = ChoosePdf417Layout(d, settings_);
    layout_.compact = settings_.compact;

    const int capacity = layout_.columns * layout_.rows;
    codewords_.resize(capacity - EcCodewords(layout_.level), kPadCodeword);
    codewords_[0] = int(codewords_.size());
    const std::vector<int> ec = Pdf417ErrorCorrection(codewords_, layout_.level);
    codewords_.insert(codewords_.end(), ec.begin(), ec.end());

    return Pdf417Rows(codewords_, layout_);
}

ModuleMatrix Pdf417Rows(const std::vector<int>& codewords, const Pdf417Layout& layout) {
    ModuleMatrix matrix(layout.ModuleWidth(), layout.rows);
    for (int row = 0; row < layout.rows; ++row) {
        const int cluster = row % 3;
        int x = 0;
        AppendPattern(matrix, row, x, kPdf417StartPattern, kPdf417StartModules);
        AppendPattern(matrix, row, x, Pdf417CodewordPattern(cluster, Pdf417LeftRowIndicator(row, layout)), 17);
        for (int column = 0; column < layout.columns; ++column) {
            const int codeword = codewords[size_t(row) * layout.columns + column];
            AppendPattern(matrix, row, x, Pdf417CodewordPattern(cluster, codeword), 17);
        }
        if (layout.compact) {
            matrix.Set(x, row);
            continue;
        }
        AppendPattern(matrix, row, x, Pdf417CodewordPattern(cluster, Pdf417RightRowIndicator(row, layout)), 17);
        AppendPattern(matrix, row, x, kPdf417StopPattern, kPdf417StopModules);
    }
    return matrix;
}
