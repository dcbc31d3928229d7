#pragma once
#include <array>

#include "symbologies/matrix/qr_layout.h"
#include "symbologies/matrix/qr_tables.h"

// Whether data mask `mask` (0..7) inverts the module at (row, column).
bool QrMaskCondition(int mask, int row, int column);

// Penalty of a matrix of modules (bit 0 of a cell: 1 dark): runs of five or more of one colour in
// rows and columns (3 for the first five, 1 for each further module), 3 for every 2 x 2 block of
// one colour, 40 for every dark-light-dark-dark-dark-light-dark window in a row or column (no light
// margin needed), and the balance of dark modules measured against `data_modules`.
int QrPenalty(const QrGrid& modules, int data_modules);

// The penalty of each mask applied to the data bits placed in a template: function modules count
// as light, whatever their colour in the symbol.
std::array<int, 8> QrMaskPenalties(const QrGrid& function_template, const QrGrid& data_bits, int data_modules);

// ISO/IEC 18004 7.8.3's penalty of a whole symbol (bit 0 of a cell: 1 dark): N1 runs and N2 blocks
// as above; N3 40 for every dark-light-dark-dark-dark-light-dark window with four light modules
// before or after it (outside the symbol counts as light); N4 10 for every full 5 % by which the
// dark share of all modules is off 50 %.
int QrStandardPenalty(const QrGrid& modules);

// That penalty of each mask over the whole symbol it makes: function patterns in their colours
// and the mask's own format information for `level`.
std::array<int, 8> QrStandardMaskPenalties(const QrGrid& function_template, const QrGrid& data_bits, QrLevel level);
