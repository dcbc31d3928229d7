#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_matrix.h"
#include "symbologies/matrix/qr_tables.h"

// Micro QR Code, versions M1 to M4: one finder pattern, numeric, alphanumeric, byte and Kanji
// segments with the fewest bits, four masks chosen by the Micro QR rule (the most dark modules
// on the emptier of the right and bottom edges).

struct MicroQrSymbol {
    int version;  // 1..4 for M1..M4
    QrLevel level;
    int mask;  // 0..3
    ModuleMatrix matrix;
};

// `bytes` are ISO-8859-1, or Shift JIS when `shift_jis` (its kanji may then take Kanji mode).
// `version` 1..4 fixes the size, 0 takes the smallest that holds the data. M1 has error detection
// only (taken for level L); Q exists in M4 alone. Throws EncodeError.
MicroQrSymbol EncodeMicroQr(const std::string& bytes, bool shift_jis, QrLevel level, int version);

// `options`: error (L, M, Q), size ("M1" to "M4"; "" or "auto" any), encoding; eci is refused (Micro QR
// has no ECI): text that ISO-8859-1 cannot hold is written in Shift JIS where it can be.
// `options`: error (L, M, Q), size ("M1" to "M4"; "" or "auto" any), encoding; eci is refused (Micro QR
// has no ECI): text that ISO-8859-1 cannot hold is written in Shift JIS where it can be.
EncodedSymbol EncodeMicroQrSymbol(const std::string& text, const EncodeOptions& options);
