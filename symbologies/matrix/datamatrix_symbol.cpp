#include "symbologies/matrix/datamatrix_symbol.h"

#include "core/galois_field.h"
#include "symbologies/matrix/datamatrix_placement.h"

std::vector<uint8_t> AddDataMatrixErrorCorrection(const std::vector<uint8_t>& data, const DataMatrixSize& size) {
    const GaloisField256& field = DataMatrixField();
    const std::vector<uint8_t> generator = field.Generator(size.ec_per_block, 1);
    const int blocks = size.blocks;
    const int total = size.data_codewords;
    // Only 144x144 has blocks of two lengths (the longer first); readers expect its error
    // correction rotated by the number of shorter blocks.
    const int shorter = (blocks - total % blocks) % blocks;
    std::vector<uint8_t> out(data.begin(), data.begin() + total);
    out.resize(size_t(size.TotalCodewords()));
    std::vector<uint8_t> block;
    for (int k = 0; k < blocks; ++k) {
        block.clear();
        for (int i = k; i < total; i += blocks) block.push_back(data[size_t(i)]);
        const std::vector<uint8_t> ec = field.Remainder(block, generator);
        const int slot = (k + shorter) % blocks;
        for (int e = 0; e < size.ec_per_block; ++e) out[size_t(total + slot + blocks * e)] = ec[size_t(e)];
    }
    return out;
}

ModuleMatrix BuildDataMatrixSymbol(const DataMatrixSize& size, const std::vector<uint8_t>& codewords) {
    const int mapping_columns = size.MappingColumns();
    const std::vector<int> placement = DataMatrixPlacement(size.MappingRows(), mapping_columns);
    auto mapped = [&](int row, int column) {
        const int entry = placement[size_t(row) * mapping_columns + column];
        if (entry < 0) return entry == kDataMatrixFixedDark;
        return ((codewords[size_t(entry / 8)] >> (entry % 8)) & 1) != 0;
    };
    const int h = size.region_rows + 2;
    const int w = size.region_columns + 2;
    ModuleMatrix matrix(size.columns, size.rows);
    for (int y = 0; y < size.rows; ++y) {
        const int j = size.rows - 1 - y;  // counted from the bottom, where every region has its solid edge
        for (int x = 0; x < size.columns; ++x) {
            bool dark;
            if (j % h == 0 || x % w == 0) dark = true;
            else if ((j + 1) % h == 0) dark = x % 2 == 0;
            else if ((x + 1) % w == 0) dark = j % 2 == 0;
            else dark = mapped(y - 1 - 2 * (y / h), x - 1 - 2 * (x / w));
            if (dark) matrix.Set(x, y);
        }
    }
    return matrix;
}

ModuleMatrix EncodeDataMatrix(const std::string& bytes, DataMatrixScheme scheme, int size_index) {
    const DataMatrixData data = EncodeDataMatrixData(bytes, scheme, size_index);
    const DataMatrixSize& size = DataMatrixSizeAt(data.size_index);
    return BuildDataMatrixSymbol(size, AddDataMatrixErrorCorrection(data.codewords, size));
}
