#pragma once
#include <cstdint>
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "symbologies/matrix/qr_data.h"
#include "symbologies/matrix/qr_symbol.h"

// The whole encoder: data codewords, error correction and interleaving, then the symbol.
// With `gs1` the bytes are a GS1 element string, drawn with FNC1 in first position.
QrSymbol EncodeQr(const std::string& bytes, QrMode mode, QrLevel level, int requested_version, bool gs1 = false);

// `options`: error (L, M, Q, H), version (0..40), mode (auto and byte, numeric, alphanumeric, kanji:
// Shift-JIS bytes in byte mode) and encoding. The GS1 form takes an element string, in byte mode.
EncodedSymbol EncodeQrSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeGS1QrSymbol(const std::string& text, const EncodeOptions& options);
