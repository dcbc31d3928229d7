#include "symbologies/matrix/datamatrix.h"

#include <cstdio>
#include <exception>

#include "symbologies/matrix/datamatrix_symbol.h"

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
    if (!gs1_) return EncodeDataMatrix(bytes, scheme_, size_index_);
    const DataMatrixData data = EncodeDataMatrixGS1Data(bytes, scheme_, size_index_);
    const DataMatrixSize& size = DataMatrixSizeAt(data.size_index);
    return BuildDataMatrixSymbol(size, AddDataMatrixErrorCorrection(data.codewords, size));
}
