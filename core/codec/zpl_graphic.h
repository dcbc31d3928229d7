#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A one-bit image (rows of `stride` bytes, leftmost dot in the top bit, 1 = printed) as a ZPL
// "^GFA" graphic field, in whichever of the printer's two compressed forms is shorter.

// ZPL's ASCII compression of the hexadecimal rows: a repeat count before a digit (G..Y = 1..19,
// g..z = 20..400, summed), ',' for a row that ends in zeros, '!' for one that ends in F, ':' for a
// row equal to the one above.
std::string ZplAsciiData(const std::vector<uint8_t>& bits, size_t stride, int height);

// ":Z64:" + base64 of the zlib-compressed bytes + ":" + the CRC-16/XMODEM of that base64 text in
// four upper-case hex digits. About half the size of the ASCII form for bar codes and 2D symbols.
std::string ZplZ64Data(const std::vector<uint8_t>& bits, size_t stride, int height);

// CRC-16/XMODEM (polynomial 0x1021, initial 0, not reflected), what printers check Z64 data with.
uint16_t Crc16Xmodem(const std::string& text);

// "^GFA,<bytes>,<bytes>,<stride>," and the shorter data.
std::string ZplGraphicField(const std::vector<uint8_t>& bits, size_t stride, int height);
