#pragma once
#include <cstdint>
#include <vector>

// Error correction levels, in the order of the format information and of the tables.
enum class QrLevel { L = 0, M = 1, Q = 2, H = 3 };

constexpr int kQrMinVersion = 1;
constexpr int kQrMaxVersion = 40;

// Modules per side of a symbol of the version.
constexpr int QrSize(int version) { return 4 * version + 17; }

// Error correction block structure of one version at one level. Every block carries `ec` error
// correction codewords; the first `short_blocks` carry `short_data` data codewords, the
// `long_blocks` after them one more each.
struct QrBlockLayout {
    uint8_t ec;
    uint8_t short_blocks;
    uint8_t short_data;
    uint8_t long_blocks;

    int Blocks() const { return short_blocks + long_blocks; }
    int DataCodewords() const { return short_blocks * short_data + long_blocks * (short_data + 1); }
    int TotalCodewords() const { return DataCodewords() + Blocks() * ec; }
};

const QrBlockLayout& QrBlocks(int version, QrLevel level);
// Data capacity in bits: eight per data codeword.
inline int QrDataBits(int version, QrLevel level) { return 8 * QrBlocks(version, level).DataCodewords(); }
inline int QrTotalCodewords(int version) { return QrBlocks(version, QrLevel::L).TotalCodewords(); }
// Bits left over in the data region after the last codeword.
int QrRemainderBits(int version);
// Row and column coordinates of the alignment pattern centres (none for version 1).
std::vector<int> QrAlignmentCentres(int version);
// 18-bit version information, versions 7 to 40.
uint32_t QrVersionInfo(int version);
// 15-bit format information (after its mask) for a level and a data mask 0..7.
uint16_t QrFormatInfo(QrLevel level, int mask);
