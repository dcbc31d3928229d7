#pragma once
#include <cstdint>
#include <vector>

#include "symbologies/matrix/qr_tables.h"

// The data codewords of a version and level cut into its error correction blocks, shorter blocks
// first.
std::vector<std::vector<uint8_t>> QrSplitBlocks(const std::vector<uint8_t>& data, int version, QrLevel level);

// Reed-Solomon error correction codewords of one block: GF(256) over 0x11D, generator roots
// 2^0 .. 2^(ec - 1).
std::vector<uint8_t> QrErrorCorrection(const std::vector<uint8_t>& block, int ec_codewords);

// Every codeword of the symbol in the order it is placed: the data codewords of the blocks
// interleaved, then their error correction codewords interleaved.
std::vector<uint8_t> QrInterleavedCodewords(const std::vector<uint8_t>& data, int version, QrLevel level);
// The same for any block layout of the QR family (rMQR's).
std::vector<uint8_t> QrInterleavedCodewords(const std::vector<uint8_t>& data, const QrBlockLayout& layout);
