#include "symbologies/matrix/datamatrix_placement.h"

#include <stdexcept>

namespace {

constexpr int kUnvisited = -3;

// The four corner shapes, bit 7 first. A negative coordinate counts from the far edge (-1 is the
// last row or column).
struct Offset {
    signed char row, column;
};
constexpr Offset kCorners[4][8] = {
    {{-1, 0}, {-1, 1}, {-1, 2}, {0, -2}, {0, -1}, {1, -1}, {2, -1}, {3, -1}},
    {{-3, 0}, {-2, 0}, {-1, 0}, {0, -4}, {0, -3}, {0, -2}, {0, -1}, {1, -1}},
    {{-3, 0}, {-2, 0}, {-1, 0}, {0, -2}, {0, -1}, {1, -1}, {2, -1}, {3, -1}},
    {{-1, 0}, {-1, -1}, {0, -3}, {0, -2}, {0, -1}, {1, -3}, {1, -2}, {1, -1}},
};

class Placer {
public:
    Placer(int rows, int columns) : rows_(rows), columns_(columns), cells_(size_t(rows) * columns, kUnvisited) {}

    bool Visited(int row, int column) const { return Cell(row, column) != kUnvisited; }

    // One codeword in the standard shape, its last module at (row, column); modules beyond the top
    // or left edge continue at the opposite edge.
    void Standard(int row, int column, int codeword) {
        const int positions[8][2] = {{row - 2, column - 2}, {row - 2, column - 1}, {row - 1, column - 2},
                                     {row - 1, column - 1}, {row - 1, column},     {row, column - 2},
                                     {row, column - 1},     {row, column}};
        for (int i = 0; i < 8; ++i) Module(positions[i][0], positions[i][1], codeword, 7 - i);
    }

    void Corner(int shape, int codeword) {
        for (int i = 0; i < 8; ++i) {
            const Offset o = kCorners[shape - 1][i];
            Module(o.row < 0 ? rows_ + o.row : o.row, o.column < 0 ? columns_ + o.column : o.column, codeword, 7 - i);
        }
    }

    void FillFreeCorner() {
        if (Visited(rows_ - 1, columns_ - 1)) return;
        Cell(rows_ - 1, columns_ - 1) = kDataMatrixFixedDark;
        Cell(rows_ - 2, columns_ - 2) = kDataMatrixFixedDark;
        Cell(rows_ - 1, columns_ - 2) = kDataMatrixFixedLight;
        Cell(rows_ - 2, columns_ - 1) = kDataMatrixFixedLight;
    }

    std::vector<int> Take() { return std::move(cells_); }

private:
    int& Cell(int row, int column) { return cells_[size_t(row) * columns_ + column]; }
    int Cell(int row, int column) const { return cells_[size_t(row) * columns_ + column]; }

    void Module(int row, int column, int codeword, int bit) {
        if (row < 0) {
            row += rows_;
            column += 4 - ((rows_ + 4) % 8);
        }
        if (column < 0) {
            column += columns_;
            row += 4 - ((columns_ + 4) % 8);
        }
        Cell(row, column) = 8 * codeword + bit;
    }

    const int rows_;
    const int columns_;
    std::vector<int> cells_;
};

}  // namespace

std::vector<int> DataMatrixPlacement(int rows, int columns) {
    // The smallest mapping matrix is 6 x 16; the corner shapes reach four modules in from an edge.
    if (rows < 6 || columns < 6) throw std::invalid_argument("Data Matrix mapping matrix too small");
    Placer placer(rows, columns);
    int codeword = 0;
    int row = 4;
    int column = 0;
    do {
        if (row == rows && column == 0) placer.Corner(1, codeword++);
        if (row == rows - 2 && column == 0 && columns % 4 != 0) placer.Corner(2, codeword++);
        if (row == rows - 2 && column == 0 && columns % 8 == 4) placer.Corner(3, codeword++);
        if (row == rows + 4 && column == 2 && columns % 8 == 0) placer.Corner(4, codeword++);
        // Diagonally up and to the right, then down and to the left.
        do {
            if (row < rows && column >= 0 && !placer.Visited(row, column)) placer.Standard(row, column, codeword++);
            row -= 2;
            column += 2;
        } while (row >= 0 && column < columns);
        row += 1;
        column += 3;
        do {
            if (row >= 0 && column < columns && !placer.Visited(row, column)) placer.Standard(row, column, codeword++);
            row += 2;
            column -= 2;
        } while (row < rows && column >= 0);
        row += 3;
        column += 1;
    } while (row < rows || column < columns);
    placer.FillFreeCorner();
    return placer.Take();
}
