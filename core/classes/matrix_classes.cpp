#include "core/classes/matrix_classes.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <exception>

#include "gs1/element_string.h"
#include "symbologies/matrix/datamatrix_symbol.h"
#include "symbologies/matrix/qr_segments.h"

QrLevel QrLevelFromSetting(int level) {
    switch (level) {
        case 0: return QrLevel::L;
        case 2: return QrLevel::Q;
        case 3: return QrLevel::H;
        default: return QrLevel::M;
    }
}

void QR::SetEncodeMode(const std::string& mode) {
    const char letter = mode.size() == 1 ? char(std::toupper(static_cast<unsigned char>(mode[0]))) : 'B';
    mode_ = letter == 'N' || letter == 'A' || letter == 'K' ? letter : 'B';
}

ModuleMatrix QR::EncodeMatrix(const std::string& bytes) {
    if (bytes.empty()) return ModuleMatrix();
    // GS1 input is read here, once, in any form the GS1 reader takes.
    const std::string data = gs1_ ? GS1Data(ParseGS1(bytes), '\x1d') : bytes;
    return EncodeQr(data, QrModeFromLetter(mode_), QrLevelFromSetting(level_), version_, gs1_).matrix;
}

bool QR::DrawEncoded(const std::string& bytes, int x, int y, int width, int height) {
    // Encoder errors reach the caller as exceptions; they are kept as the last failure too.
    try {
        return DrawStretchedMatrix([&] { return EncodeMatrix(bytes); }, x, y, width, height);
    } catch (const std::exception& e) {
        RecordFailure("", e.what());
        throw;
    }
}

bool DataMatrix::DrawEncoded(const std::string& bytes, int x, int y, int width, int height) {
    try {
        const ModuleMatrix matrix = EncodeMatrix(bytes);
        return DrawModuleMatrix(matrix, x, y, width, height, MatrixLayout::Square);
    } catch (const std::exception& e) {
        ReportFailure("[DataMatrix]", e.what());
        return false;
    }
}

ModuleMatrix DataMatrix::EncodeMatrix(const std::string& bytes) {
    // GS1 input is read here, once, in any form the GS1 reader takes.
    return gs1_ ? EncodeGS1DataMatrix(GS1Data(ParseGS1(bytes), '\x1d'), scheme_, size_index_)
                : EncodeDataMatrix(bytes, scheme_, size_index_);
}

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
