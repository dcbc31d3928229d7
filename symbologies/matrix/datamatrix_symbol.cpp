#include "symbologies/matrix/datamatrix_symbol.h"

#include <stdexcept>

#include "core/ecc/galois_field.h"
#include "symbologies/matrix/datamatrix_placement.h"

std::vector<uint8_t> AddDataMatrixErrorCorrection(const std::vector<uint8_t>& data, const DataMatrixSize& size) {
    const GaloisField256& field = DataMatrixField();
    const std::vector<uint8_t> generator = field.Generator(size.ec_per_block, 1);
    const int blocks = size.blocks;
    const int total = size.data_codewords;
    if (int(data.size()) != total) throw std::invalid_argument("Data Matrix data codewords do not fill the symbol");
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

namespace {

// What a symbol row or column is along one axis: a solid border, an alternating border, or the
// mapping-matrix row or column it shows.
constexpr int kSolid = -1;
constexpr int kAlternating = -2;

// `from_solid_edge` counts from the edge where every region has its solid border (left, bottom).
std::vector<int> AxisRoles(int count, int region, bool from_solid_edge) {
    const int span = region + 2;
    std::vector<int> roles(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int k = from_solid_edge ? i : count - 1 - i;
        if (k % span == 0) roles[size_t(i)] = kSolid;
        else if ((k + 1) % span == 0) roles[size_t(i)] = kAlternating;
        else roles[size_t(i)] = (k / span) * region + k % span - 1;
    }
    return roles;
}

}  // namespace

ModuleMatrix BuildDataMatrixSymbol(const DataMatrixSize& size, const std::vector<uint8_t>& codewords) {
    const int mapping_rows = size.MappingRows();
    const int mapping_columns = size.MappingColumns();
    const std::vector<int> placement = DataMatrixPlacement(mapping_rows, mapping_columns);
    const std::vector<int> columns = AxisRoles(size.columns, size.region_columns, true);
    const std::vector<int> rows = AxisRoles(size.rows, size.region_rows, false);  // counted from the bottom
    ModuleMatrix matrix(size.columns, size.rows);
    for (int y = 0; y < size.rows; ++y) {
        const int row = rows[size_t(y)];
        const int j = size.rows - 1 - y;
        for (int x = 0; x < size.columns; ++x) {
            const int column = columns[size_t(x)];
            bool dark;
            if (row == kSolid || column == kSolid) dark = true;
            else if (row == kAlternating) dark = x % 2 == 0;  // top border, the corner included
            else if (column == kAlternating) dark = j % 2 == 0;
            else {
                // Mapping rows run from the top, the roles from the bottom.
                const int entry = placement[size_t(mapping_rows - 1 - row) * mapping_columns + column];
                dark = entry < 0 ? entry == kDataMatrixFixedDark
                                 : ((codewords[size_t(entry / 8)] >> (entry % 8)) & 1) != 0;
            }
            if (dark) matrix.Set(x, y);
        }
    }
    return matrix;
}

ModuleMatrix EncodeDataMatrix(const std::string& bytes, DataMatrixScheme scheme, int size_index, DataMatrixShape shape) {
    const DataMatrixData data = EncodeDataMatrixData(bytes, scheme, size_index, shape);
    const DataMatrixSize& size = DataMatrixSizeAt(data.size_index);
    return BuildDataMatrixSymbol(size, AddDataMatrixErrorCorrection(data.codewords, size));
}

ModuleMatrix EncodeGS1DataMatrix(const std::string& element_data, DataMatrixScheme scheme, int size_index) {
    const DataMatrixData data = EncodeDataMatrixGS1Data(element_data, scheme, size_index);
    const DataMatrixSize& size = DataMatrixSizeAt(data.size_index);
    return BuildDataMatrixSymbol(size, AddDataMatrixErrorCorrection(data.codewords, size));
}
