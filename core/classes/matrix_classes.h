#pragma once
#include <cstdint>
#include <string>

#include "core/classes/barcode_base_2d.h"
#include "symbologies/matrix/datamatrix.h"
#include "symbologies/matrix/pdf417.h"
#include "symbologies/matrix/qr.h"

// Level setting as the QR class keeps it: 0 L, 2 Q, 3 H, anything else M.
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

// Data Matrix ECC 200. Encoder errors are reported on standard error as "[DataMatrix] <message>"
// and make the draw return false.
class DataMatrix : public BarcodeBase2D {
public:
    explicit DataMatrix(std::string output_format) : BarcodeBase2D(std::move(output_format)) {}

    bool DrawEncoded(const std::string& bytes, int x, int y, int width, int height) override;
    ModuleMatrix EncodeMatrix(const std::string& bytes) override;

    // "AUTO" or one of the 30 size names ("10x10" .. "16x48"); any other string is AUTO.
    void SetCodeSize(const std::string& size) { size_index_ = DataMatrixSizeIndex(size); }
    // "ASCII", "C40", "TEXT", "X12", "EDIFACT", "BASE256" or "AUTO"; any other string is AUTO.
    void SetEncodeScheme(const std::string& scheme) { scheme_ = DataMatrixSchemeFromName(scheme); }
    // GS1 Data Matrix: the draw data is a GS1 element string (bracketed or a marker form).
    void SetGS1(bool enabled) { gs1_ = enabled; }

    int SizeIndex() const { return size_index_; }
    DataMatrixScheme Scheme() const { return scheme_; }

private:
    int size_index_ = kDataMatrixAutoSize;
    DataMatrixScheme scheme_ = DataMatrixScheme::kAscii;
    bool gs1_ = false;
};

// PDF417 stacked symbols. Encoder errors are not caught: they leave the draw as
// std::runtime_error / std::out_of_range.
class PDF417 : public BarcodeBase2D {
public:
    explicit PDF417(std::string output_format) : BarcodeBase2D(std::move(output_format)) {}

    bool DrawEncoded(const std::string& bytes, int x, int y, int width, int height) override;

    // 0..8 fixes the error correction level; any other value restores the automatic choice.
    void SetErrorLevel(int level);
    // 1..30 data columns / 3..90 rows fix the layout, 0 leaves it to the aspect ratio; other
    // values are ignored.
    void SetColumns(int columns);
    void SetRows(int rows);
    // Height / width of the symbol, 0.001..1000; other values are ignored.
    void SetAspectRatio(double ratio);
    // Row height in module widths, above 0; other values are ignored.
    void SetYHeight(int y_height);

    const Pdf417Settings& Settings() const { return settings_; }
    ModuleMatrix EncodeMatrix(const std::string& bytes) override { return Pdf417Encoder(settings_).Encode(bytes); }

protected:
    int RowModules() const override { return settings_.row_height; }

private:
    Pdf417Settings settings_;
};

// Width of a square draw (width == height): the height scaled to the symbol's proportions, so that
// rows come out row_height times as tall as modules are wide.
int Pdf417SquareDrawWidth(int height, int module_columns, int rows, int row_height);
