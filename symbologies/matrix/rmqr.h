#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_matrix.h"
#include "symbologies/matrix/qr_tables.h"

// rMQR (ISO/IEC 23941): rectangular symbols 7 to 17 modules high and 27 to 139 wide, levels M and H,
// the segments of QR Code with the fewest bits, one fixed mask.

struct RmqrRequest {
    QrLevel level = QrLevel::M;  // M or H
    int size = -1;    // index of a fixed size (0..31), -1 any
    int height = 0;   // with any size: only sizes of this height (7, 9, ..., 17); 0 every height
    int eci = -1;     // ECI designator before the data, -1 none
    bool shift_jis = false;  // the bytes are Shift JIS: their kanji may take Kanji mode
};

struct RmqrSymbol {
    int size;  // index into the size table
    ModuleMatrix matrix;
};

// The smallest size by area (of `height` when given) that holds the bytes, or the fixed one.
// Throws EncodeError.
RmqrSymbol EncodeRmqr(const std::string& bytes, const RmqrRequest& request);

// `options`: error (M, H), size ("R11x27" or "11x27"; "" any), rows (the height when the size is
// chosen; 0 any), eci and encoding.
EncodedSymbol EncodeRmqrSymbol(const std::string& text, const EncodeOptions& options);
