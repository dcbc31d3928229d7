#pragma once
#include <cstdint>

// The 34 MicroPDF417 sizes and their row address patterns.

struct MicroPdf417Size {
    int columns;       // data columns, 1..4
    int rows;
    int ec_codewords;
    // Row address pattern numbers (1..52) of the top row: left, centre (3 and 4 columns) and right.
    int left_rap;  // 0: no left pattern (a composite component of 3 columns)
    int centre_rap;
    int right_rap;
    int first_cluster;  // cluster of the top row: 0, 1 or 2 for clusters 0, 3 and 6

    int Capacity() const { return columns * rows - ec_codewords; }  // data codewords
};

constexpr int kMicroPdf417Sizes = 34;
constexpr int kMicroPdf417MaxCodewords = 126;  // data codewords of the largest size
constexpr int kMicroPdf417RapPatterns = 52;    // row address patterns repeat after 52 rows

const MicroPdf417Size& MicroPdf417SizeAt(int index);  // 0..33, by columns then rows

// Index of the size for `data_codewords`: with `columns` 1..4 the fewest rows of that width that
// hold them, with 0 the first of the automatic order that does; -1 when none does.
int ChooseMicroPdf417Size(int data_codewords, int columns);

// The most data codewords a symbol of `columns` data columns (0: any) holds.
int MicroPdf417MaxCodewords(int columns);

// Left/right and centre row address pattern `number` (1..52): 10 modules, the first in bit 9.
uint32_t MicroPdf417SideRap(int number);
uint32_t MicroPdf417CentreRap(int number);
