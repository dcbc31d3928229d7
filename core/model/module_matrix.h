#pragma once
#include <cstdint>
#include <vector>

// Encoder output of a 2D symbology: columns x rows modules, (0, 0) at the top left, no quiet zone.
class ModuleMatrix {
public:
    ModuleMatrix() = default;
    ModuleMatrix(int columns, int rows) : columns_(columns), rows_(rows), cells_(size_t(columns) * rows, 0) {}

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    bool Empty() const { return columns_ <= 0 || rows_ <= 0; }
    bool Get(int column, int row) const { return cells_[size_t(row) * columns_ + column] != 0; }
    void Set(int column, int row, bool dark = true) { cells_[size_t(row) * columns_ + column] = dark ? 1 : 0; }

    bool operator==(const ModuleMatrix& o) const {
        return columns_ == o.columns_ && rows_ == o.rows_ && cells_ == o.cells_;
    }

private:
    int columns_ = 0;
    int rows_ = 0;
    std::vector<uint8_t> cells_;  // row-major, one byte per module
};
