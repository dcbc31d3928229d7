#pragma once
#include <cstdint>
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "symbologies/matrix/qr_data.h"
#include "symbologies/matrix/qr_symbol.h"

// The whole encoder: data codewords, error correction and interleaving, then the symbol.
// With `gs1` the bytes are GS1 element data (GS1Data, GS 0x1D where a separator goes), drawn with
// FNC1 in first position.
QrSymbol EncodeQr(const std::string& bytes, QrMode mode, QrLevel level, int requested_version, bool gs1 = false);

// `options`: error (L, M, Q, H), version (0..40), mode (auto and byte, numeric, alphanumeric, kanji:
// Kanji mode, 13 bits per Shift JIS double-byte character, the encoding setting unused) and
// encoding. The GS1 form takes an element string (any form the GS1 reader takes), segments mixed.
EncodedSymbol EncodeQrSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeGS1QrSymbol(const std::string& text, const EncodeOptions& options);
