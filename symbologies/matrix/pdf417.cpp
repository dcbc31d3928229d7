#include "symbologies/matrix/pdf417.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <exception>

int Pdf417SquareDrawWidth(int height, int module_columns, int rows, int row_height) {
    if (row_height < 1) row_height = 3;
    const double width = std::round(double(height) * module_columns / (double(rows) * row_height));
    return int(std::clamp(width, double(INT_MIN), double(INT_MAX)));
}

bool PDF417::DrawEncoded(const std::string& bytes, int x, int y, int width, int height) {
    ModuleMatrix matrix;
    // Encoder errors reach the caller as exceptions; they are kept as the last failure too.
    try {
        matrix = EncodeMatrix(bytes);
    } catch (const std::exception& e) {
        RecordFailure("", e.what());
        throw;
    }
    if (matrix.Empty()) return false;
    if (width == height) width = Pdf417SquareDrawWidth(height, matrix.Columns(), matrix.Rows(), settings_.row_height);
    return DrawModuleMatrix(matrix, x, y, width, height, MatrixLayout::StretchedRows);
}

void PDF417::SetErrorLevel(int level) {
    settings_.error_level = level;
    settings_.auto_error_level = level < 0 || level > 8;
}

void PDF417::SetColumns(int columns) {
    if (columns >= 0 && columns <= 30) settings_.columns = columns;
}

void PDF417::SetRows(int rows) {
    if (rows == 0 || (rows >= 3 && rows <= 90)) settings_.rows = rows;
}

void PDF417::SetAspectRatio(double ratio) {
    if (ratio >= 0.001 && ratio <= 1000) settings_.aspect_ratio = ratio;
}

void PDF417::SetYHeight(int y_height) {
    if (y_height > 0) settings_.row_height = y_height;
}
