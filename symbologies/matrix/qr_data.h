#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "symbologies/matrix/qr_tables.h"

// Kanji holds Shift JIS double-byte characters 0x8140-0x9FFC and 0xE040-0xEBBF, two bytes each.
enum class QrMode { Numeric, Alphanumeric, Byte, Kanji };

// "N" numeric, "A" alphanumeric; every other letter (the Kanji letter "K" included) is byte mode.
QrMode QrModeFromLetter(char letter);

// Bits written most significant first.
class QrBitBuffer {
public:
    void Append(uint32_t value, int length);
    size_t Size() const { return size_; }
    bool Bit(size_t index) const { return (bytes_[index / 8] >> (7 - index % 8)) & 1; }
    // The bits packed into bytes; a last partial byte is completed with 0 bits.
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    size_t size_ = 0;
};

// Length of the character count field of the mode in a symbol of the version.
int QrCountBits(QrMode mode, int version);

// Mode indicator, character count and data of `data` in `mode`, with the count field of `version`.
// Throws std::runtime_error for a byte the mode cannot hold.
QrBitBuffer QrSegmentBits(const std::string& data, QrMode mode, int version);

// The version the data is drawn in: the smallest that holds `segment_bits` (counted with the count
// field of versions 1 to 9) at the level, or the requested one when it is larger. Throws
// std::runtime_error when even version 40 is too small.
int QrChooseVersion(size_t segment_bits, QrMode mode, QrLevel level, int requested_version);

// Characters (bytes in byte mode) a version 40 symbol holds in one segment of the mode at the level.
long QrCapacity(QrMode mode, QrLevel level);

struct QrData {
    int version;
    std::vector<uint8_t> codewords;  // the data codewords of the version and level, padded
};

// Whether alphanumeric mode holds the byte (digits, upper-case letters and " $%*+-./:").
bool QrIsAlphanumeric(unsigned char c);
// Whether the two bytes at data[i] are one character of Kanji mode.
bool QrIsKanjiPair(const std::string& data, size_t i);

// Appends one segment: mode indicator, character count with the count field of `version`, data.
// The characters must be valid for the mode (Kanji: whole pairs).
void QrAppendSegment(QrBitBuffer& bits, const std::string& data, QrMode mode, int version);

// The data codewords of `bits` in a symbol of the version and level that holds them: terminator,
// zero bits to a codeword boundary, then the alternating pad codewords.
QrData QrFinishData(QrBitBuffer bits, int version, QrLevel level);

// Mode, bit stream, version choice, terminator and pad codewords. With `fnc1_first` the segment is
// preceded by the FNC1-in-first-position mode indicator (0101) that marks GS1 data.
QrData EncodeQrData(const std::string& data, QrMode mode, QrLevel level, int requested_version,
                    bool fnc1_first = false);

// The segment data of GS1 element data (GS1Data, GS 0x1D where a separator goes) in `mode`: FNC1
// written as GS in byte mode and as '%' in alphanumeric mode, where a '%' of the data is doubled.
// Numeric mode cannot hold FNC1.
std::string QrGS1SegmentData(const std::string& element_data, QrMode mode);
