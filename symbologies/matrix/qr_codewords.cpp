#include "symbologies/matrix/qr_codewords.h"

#include <array>

#include "core/ecc/galois_field.h"

namespace {

// Generator polynomials for every error correction length the block table uses, built once.
const std::vector<uint8_t>& Generator(int degree) {
    static const std::array<std::vector<uint8_t>, 31> generators = [] {
        std::array<std::vector<uint8_t>, 31> g;
        for (int e = 0; e <= 30; ++e) g[size_t(e)] = QrField().Generator(e, 0);
        return g;
    }();
    return generators[size_t(degree)];
}

}  // namespace

namespace {

std::vector<std::vector<uint8_t>> SplitBlocks(const std::vector<uint8_t>& data, const QrBlockLayout& layout) {
    std::vector<std::vector<uint8_t>> blocks;
    blocks.reserve(size_t(layout.Blocks()));
    size_t offset = 0;
    for (int b = 0; b < layout.Blocks(); ++b) {
        const size_t length = size_t(layout.short_data) + (b >= layout.short_blocks ? 1 : 0);
        blocks.emplace_back(data.begin() + long(offset), data.begin() + long(offset + length));
        offset += length;
    }
    return blocks;
}

}  // namespace

std::vector<std::vector<uint8_t>> QrSplitBlocks(const std::vector<uint8_t>& data, int version, QrLevel level) {
    return SplitBlocks(data, QrBlocks(version, level));
}

std::vector<uint8_t> QrErrorCorrection(const std::vector<uint8_t>& block, int ec_codewords) {
    return QrField().Remainder(block, Generator(ec_codewords));
}

std::vector<uint8_t> QrInterleavedCodewords(const std::vector<uint8_t>& data, int version, QrLevel level) {
    return QrInterleavedCodewords(data, QrBlocks(version, level));
}

std::vector<uint8_t> QrInterleavedCodewords(const std::vector<uint8_t>& data, const QrBlockLayout& layout) {
    const std::vector<std::vector<uint8_t>> blocks = SplitBlocks(data, layout);
    std::vector<std::vector<uint8_t>> ec;
    ec.reserve(blocks.size());
    for (const auto& block : blocks) ec.push_back(QrErrorCorrection(block, layout.ec));

    std::vector<uint8_t> out;
    out.reserve(size_t(layout.TotalCodewords()));
    for (size_t j = 0; j <= layout.short_data; ++j)  // the last round takes the longer blocks' extra codeword
        for (const auto& block : blocks)
            if (j < block.size()) out.push_back(block[j]);
    for (size_t j = 0; j < layout.ec; ++j)
        for (const auto& block : ec) out.push_back(block[j]);
    return out;
}
