#pragma once
#include <functional>
#include <string>

#include "core/classes/barcode_base.h"
#include "core/model/module_matrix.h"
#include "core/text_encoding/shift_jis.h"

// How a matrix is spread over the drawing area (W x H pixels, C x R modules). Module sizes are whole
// pixels (at least one) unless fit width is on; raster boundaries are rounded to whole pixels.
enum class MatrixLayout {
    Stretched,      // QR: module W / C by H / R on a W x H canvas; rectangles grow by px adjust black
    Square,         // Data Matrix: square modules u = min(W / C, H / R) on a ceil(C u) x ceil(R u)
                    // canvas; rectangles grow by px adjust black
    StretchedRows,  // PDF417: as Stretched, rectangles exactly their extent. The caller widens a
                    // square request to the symbol's aspect first.
};

// Base of the 2D symbologies: string encoding, the square and rectangular draw entries and the
// matrix layouts of the three 2D classes.
class BarcodeBase2D : public BarcodeBase {
public:
    explicit BarcodeBase2D(std::string output_format);

    bool Draw(const std::string& code, int x, int y, int width, int height) override;
    virtual bool DrawEncoded(const std::string& bytes, int x, int y, int width, int height);
    virtual bool DrawEncodedSquare(const std::string& bytes, int x, int y, int size);
    virtual bool DrawSquare(const std::string& code, int x, int y, int size);

    std::pair<int, int> SymbolSize(const std::string& code) override;
    // The symbol of bytes already in the string encoding; throws for data the symbology refuses.
    virtual ModuleMatrix EncodeMatrix(const std::string& bytes) = 0;

    void SetStringEncoding(const std::string& encoding) { string_encoding_ = encoding; }
    const std::string& StringEncoding() const { return string_encoding_; }

protected:
    // Draws the matrix in the current mode: an SVG document, or a fresh raster canvas of the layout's
    // size, symbol at the top left. False when no canvas can be made, and for an empty matrix except
    // in a Stretched raster draw, which yields the blank canvas.
    bool DrawModuleMatrix(const ModuleMatrix& matrix, int x, int y, int width, int height, MatrixLayout layout);
    // The same for the Stretched layout, with the raster canvas size checked before `encode` runs:
    // a draw that cannot get a canvas ends there, without encoding (or its errors).
    bool DrawStretchedMatrix(const std::function<ModuleMatrix()>& encode, int x, int y, int width, int height);

    // Module rows per matrix row at a fixed module size (PDF417's row height).
    virtual int RowModules() const { return 1; }

private:
    // At a fixed module size, the area the matrix needs; otherwise the size stays as asked.
    void FitModuleSize(const ModuleMatrix& matrix, MatrixLayout layout, int& width, int& height) const;
    // Canvas and SVG document size of the Square layout.
    void SquareArea(const ModuleMatrix& matrix, int width, int height, int& area_w, int& area_h) const;
    // The matrix through the draw's painter, on a fresh canvas or document of the layout's size.
    bool PaintModuleMatrix(const ModuleMatrix& matrix, int width, int height, MatrixLayout layout);

    std::string string_encoding_ = "utf-8";
};
