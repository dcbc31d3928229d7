#pragma once
#include <cstdint>
#include <vector>

// Module classes of the function template, one byte per module; bit 0 is the colour (1 dark).
// 0 marks a module of the data region.
enum QrModuleClass : uint8_t {
    kQrData = 0,
    kQrFinderLight = 2,
    kQrFinderDark = 3,
    kQrAlignmentLight = 4,
    kQrAlignmentDark = 5,
    kQrSeparator = 8,
    kQrTimingLight = 16,
    kQrTimingDark = 17,
    kQrVersionLight = 32,
    kQrVersionDark = 33,
    kQrFormatLight = 64,
    kQrFormatDark = 65,
    kQrDarkModule = 129,
};

// A square grid of bytes, row-major.
struct QrGrid {
    explicit QrGrid(int size) : size(size), cells(size_t(size) * size, 0) {}
    uint8_t& At(int row, int column) { return cells[size_t(row) * size + column]; }
    uint8_t At(int row, int column) const { return cells[size_t(row) * size + column]; }

    int size;
    std::vector<uint8_t> cells;
};

// Finder, separator, timing, alignment and version patterns, the dark module and the reserved
// format areas of a version.
QrGrid QrFunctionTemplate(int version);

// The modules of a rows x columns grid of module classes (row-major) that are kQrData, as
// row * columns + column, in the order codeword bits fill them: column pairs from `first_right`
// leftwards, alternately upwards and downwards, the pair moved one column left where its right
// column is `skipped_column` (-1 none).
std::vector<int> QrZigzagOrder(const std::vector<uint8_t>& cells, int rows, int columns, int first_right,
                               int skipped_column);

// Data-region modules as row * size + column, in the order the codeword bits fill them: column
// pairs from the right edge, alternately upwards and downwards, stepping over the timing column.
std::vector<int> QrPlacementOrder(const QrGrid& function_template);

// The codeword bits (most significant first) in the data region, 1 for a set bit; the region's
// modules past the last codeword take the 0 remainder bits, all other modules are 0.
QrGrid QrPlaceData(const QrGrid& function_template, const std::vector<uint8_t>& codewords);

// Where format information character p (0..14, bit 14 - p of the format word) goes in each copy.
struct QrFormatPosition {
    int row1, column1, row2, column2;
};
QrFormatPosition QrFormatPositionOf(int p, int size);
