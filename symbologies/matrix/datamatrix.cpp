#include "symbologies/matrix/datamatrix.h"

#include <cstdio>
#include <exception>

#include "symbologies/matrix/datamatrix_symbol.h"

bool DataMatrix::DrawEncoded(const std::string& bytes, int x, int y, int width, int height) {
    try {
        ModuleMatrix matrix;
        if (gs1_) {
            const DataMatrixData data = EncodeDataMatrixGS1Data(bytes, scheme_, size_index_);
            const DataMatrixSize& size = DataMatrixSizeAt(data.size_index);
            matrix = BuildDataMatrixSymbol(size, AddDataMatrixErrorCorrection(data.codewords, size));
        } else {
            matrix = EncodeDataMatrix(bytes, scheme_, size_index_);
        }
        return DrawModuleMatrix(matrix, x, y, width, height, MatrixLayout::Square);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "[DataMatrix] %s\n", e.what());
        std::fflush(stderr);
        return false;
    }
}
