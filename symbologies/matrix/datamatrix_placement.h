#pragma once
#include <vector>

// Where the codeword bits of a Data Matrix symbol go in its mapping matrix (the data regions'
// interiors joined, finder and clock borders removed). Entry row * columns + column is
// 8 * codeword + bit (bit 7 the most significant), or one of the two fixed values of the 2 x 2
// pattern that fills a bottom-right corner the codewords leave free.
constexpr int kDataMatrixFixedDark = -1;
constexpr int kDataMatrixFixedLight = -2;

std::vector<int> DataMatrixPlacement(int rows, int columns);
