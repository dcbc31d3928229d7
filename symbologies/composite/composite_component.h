#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The 2D component of a GS1 composite symbol, CC-A or CC-B: the rows that sit above the linear
// component (the separator between them belongs to the linear component's side).

enum class CompositeType { Auto, A, B };

struct CompositeComponent {
    char type = 'A';                         // 'A' or 'B'
    std::vector<std::vector<uint8_t>> rows;  // top to bottom, 1 dark; every row 2 modules tall
};

// `element_data`: the AIs and their data with GS (0x1D) after every field that needs a separator,
// as GS1Data(elements, '\x1D') writes them. `columns`: the data columns the linear component's
// type fixes (2: UPC-E, DataBar Stacked; 3: EAN-8, DataBar Limited; 4: the others). Auto takes
// CC-A when the data fits it, else CC-B. Throws EncodeError: InvalidOption for columns outside
// 2..4, InvalidData for a character the component cannot hold, TooLong (capacity in data
// codewords of the largest size of that type and width) when the data does not fit.
CompositeComponent EncodeCompositeComponent(const std::string& element_data, int columns, CompositeType type);
