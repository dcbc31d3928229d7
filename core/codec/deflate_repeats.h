#pragma once
#include <cstdint>
#include <vector>

// A deflate block (RFC 1951, dynamic Huffman codes, not the final block) holding `rows` copies of a
// PNG scanline that repeats the one above it: the Up filter byte, then `stride` zero bytes. Zero runs
// are matches at distance 1 of 258 bytes, coded with one bit each, so a repeated row costs a few
// bytes where a general-purpose fast compressor spends tens. The block is followed by an empty
// stored block, so the output ends on a byte boundary and refers to nothing before it.
void AppendRepeatedRowsBlock(std::vector<uint8_t>& out, uint32_t stride, uint32_t rows);

// The final block of a deflate stream that has no more data: fixed codes, end of block only.
void AppendFinalEmptyBlock(std::vector<uint8_t>& out);
