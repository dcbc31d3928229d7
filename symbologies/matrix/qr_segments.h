#pragma once
#include <string>
#include <vector>

#include "symbologies/matrix/qr_data.h"
#include "symbologies/matrix/qr_symbol.h"

// QR Code data split into numeric, alphanumeric, byte and Kanji segments with the fewest bits, in
// the smallest version that holds them. The count fields grow at versions 10 and 27, so each of the
// three version bands gets its own split.

struct QrMixedOptions {
    int requested_version = 0;  // the smallest version drawn; 0 (or out of 1..40) any
    bool gs1 = false;           // the bytes are GS1 element data (GS1Data, GS 0x1D between fields),
                                // drawn with FNC1 in first position
    int eci = -1;               // an ECI designator (0..999999) written before the data; -1 none
    bool kanji = false;         // the bytes are Shift JIS: their kanji may take Kanji mode
};

struct QrSegment {
    QrMode mode;
    // The characters as the segment carries them; in a GS1 alphanumeric segment FNC1 is '%' and a
    // '%' of the data is doubled.
    std::string data;

    bool operator==(const QrSegment& o) const { return mode == o.mode && data == o.data; }
};

struct QrSplit {
    static constexpr int kUnreachable = 1 << 29;  // `bits` when no mode of the size holds a character
    int bits;
    std::vector<QrSegment> segments;
};

// The split of the data (as `options` reads it: GS1, Shift JIS) with the fewest bits in a size
// that writes segments with `fields`; only the modes the size has are used.
QrSplit QrFewestBitsSplit(const std::string& data, const QrMixedOptions& options, const QrSegmentFields& fields);

// An ECI designator (0..999999) behind its mode indicator: its length, and the bits.
int QrEciBits(int eci, int indicator_bits);
void QrAppendEci(QrBitBuffer& bits, int eci, uint32_t indicator, int indicator_bits);

struct QrSegmentation {
    int version;
    std::vector<QrSegment> segments;
    QrBitBuffer bits;  // ECI, FNC1 and the segments, before the terminator
};

// Throws EncodeError: InvalidData for empty data, InvalidOption for an ECI out of range, TooLong
// when version 40 cannot hold the data at the level.
QrSegmentation QrSplitSegments(const std::string& bytes, QrLevel level, const QrMixedOptions& options);

// The finished symbol of QrSplitSegments' bits.
QrSymbol EncodeQrMixed(const std::string& bytes, QrLevel level, const QrMixedOptions& options);
