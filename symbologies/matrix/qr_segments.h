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
