#pragma once
#include <cstdint>
#include <string>

#include "core/classes/barcode_base_2d.h"
#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "symbologies/matrix/qr_data.h"
#include "symbologies/matrix/qr_symbol.h"

// The whole encoder: data codewords, error correction and interleaving, then the symbol.
// With `gs1` the bytes are a GS1 element string, drawn with FNC1 in first position.
QrSymbol EncodeQr(const std::string& bytes, QrMode mode, QrLevel level, int requested_version, bool gs1 = false,
                  QrMaskRule rule = QrMaskRule::kClassScoring);

// `options`: error (L, M, Q, H), version (0..40), mode (auto and byte, numeric, alphanumeric, kanji:
// Shift-JIS bytes in byte mode) and encoding. The GS1 form takes an element string, in byte mode.
EncodedSymbol EncodeQrSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeGS1QrSymbol(const std::string& text, const EncodeOptions& options);

// Level setting as the encoder reads it: 0 L, 2 Q, 3 H, anything else M.
QrLevel QrLevelFromSetting(int level);

// QR Code, versions 1 to 40, one segment in numeric, alphanumeric or byte mode. Encoder errors are
// not caught: they leave the draw as std::runtime_error.
class QR : public BarcodeBase2D {
public:
    explicit QR(std::string output_format) : BarcodeBase2D(std::move(output_format)) {}

    bool DrawEncoded(const std::string& bytes, int x, int y, int width, int height) override;
    // Empty input encodes to an empty matrix (a blank raster canvas, no SVG document).
    ModuleMatrix EncodeMatrix(const std::string& bytes) override;

    // 0 L, 1 M, 2 Q, 3 H; other values encode at M.
    void SetErrorCorrectionLevel(int level) { level_ = level; }
    // 1..40 is the smallest version drawn, 0 (and any value out of range) the automatic choice.
    void SetVersion(int version) { version_ = version >= 0 && version <= kQrMaxVersion ? version : 0; }
    // "N", "A", "B" or "K" in either case; anything else selects "B".
    void SetEncodeMode(const std::string& mode);
    // GS1 QR Code: the draw data is a GS1 element string (bracketed or a marker form).
    void SetGS1(bool enabled) { gs1_ = enabled; }

    int ErrorCorrectionLevel() const { return level_; }
    int Version() const { return version_; }
    char EncodeMode() const { return mode_; }

private:
    int32_t level_ = 1;
    int32_t version_ = 0;
    char mode_ = 'B';
    bool gs1_ = false;
};
