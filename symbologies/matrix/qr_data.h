#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "symbologies/matrix/qr_tables.h"

enum class QrMode { Numeric, Alphanumeric, Byte };

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

// Mode, bit stream, version choice, terminator and pad codewords. With `fnc1_first` the segment is
// preceded by the FNC1-in-first-position mode indicator (0101) that marks GS1 data.
QrData EncodeQrData(const std::string& data, QrMode mode, QrLevel level, int requested_version,
                    bool fnc1_first = false);

// The segment data of a GS1 element string (any form the GS1 reader takes) in `mode`: FNC1 after
// each field that needs a separator, written as GS (0x1D) in byte mode and as '%' in alphanumeric
// mode, where a '%' of the data is doubled. Numeric mode cannot hold FNC1. Throws
// std::invalid_argument for a malformed element string.
std::string QrGS1SegmentData(const std::string& element_string, QrMode mode);
