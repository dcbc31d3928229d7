#pragma once
#include <string>

#include "core/classes/barcode_base_2d.h"
#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "symbologies/matrix/pdf417_symbol.h"

// `options`: error_level (-1 from the data, 0..8), columns (0 automatic, 1..30), rows (0, 3..90),
// aspect_ratio (0 for the usual 0.5, 0.001..1000), row_height (modules, at least 1) and encoding.
EncodedSymbol EncodePdf417Symbol(const std::string& text, const EncodeOptions& options);

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
