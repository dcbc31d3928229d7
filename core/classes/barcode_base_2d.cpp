#include "core/classes/barcode_base_2d.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// ---- Module layout ------------------------------------------------------------------------------

// Module boundaries along one axis: `count` modules, boundary i at i x step, rounded (half away
// from zero) to whole pixels on the raster.
std::vector<double> Boundaries(int count, double step, bool round_to_pixels) {
    std::vector<double> b(size_t(count) + 1);
    for (int i = 0; i <= count; ++i) b[size_t(i)] = round_to_pixels ? std::round(i * step) : i * step;
    return b;
}

// Pixels per module along one axis of a stretched layout: whole (at least one) unless fit width.
double StretchedStep(int pixels, int modules, bool fit) {
    return fit ? double(pixels) / modules : double(std::max(1, pixels / modules));
}

// Square module size of the Data Matrix layout.
double SquareUnit(int width, int height, int columns, int rows, bool fit) {
    if (fit) return std::min(double(height) / rows, double(width) / columns);
    return double(std::max(1, std::min(height / rows, width / columns)));
}

}  // namespace

BarcodeBase2D::BarcodeBase2D(std::string output_format) : BarcodeBase(std::move(output_format)) {}

bool BarcodeBase2D::Draw(const std::string& code, int x, int y, int width, int height) {
    return DrawEncoded(ConvertStringEncoding(code, string_encoding_), x, y, width, height);
}

bool BarcodeBase2D::DrawEncoded(const std::string&, int, int, int, int) { return false; }

std::pair<int, int> BarcodeBase2D::SymbolSize(const std::string& code) {
    const ModuleMatrix matrix = EncodeMatrix(ConvertStringEncoding(code, string_encoding_));
    return {matrix.Columns(), matrix.Rows()};
}

bool BarcodeBase2D::DrawEncodedSquare(const std::string& bytes, int x, int y, int size) {
    return DrawEncoded(bytes, x, y, size, size);
}

bool BarcodeBase2D::DrawSquare(const std::string& code, int x, int y, int size) {
    return Draw(code, x, y, size, size);
}

// The origin arguments do not move the symbol: every raster draw gets a fresh canvas of its own and
// SVG positions are relative to the document, so the symbol always starts at the top left corner.
bool BarcodeBase2D::DrawModuleMatrix(const ModuleMatrix& matrix, int /*x*/, int /*y*/, int width, int height,
                                     MatrixLayout layout) {
    ClearFailure();
    if (matrix.Empty() && (IsSvgMode() || layout != MatrixLayout::Stretched)) return false;
    if (!IsSvgMode() && OutputFormat().empty()) return false;
    FitModuleSize(matrix, layout, width, height);
    return PaintModuleMatrix(matrix, width, height, layout);
}

bool BarcodeBase2D::DrawStretchedMatrix(const std::function<ModuleMatrix()>& encode, int x, int y, int width,
                                        int height) {
    ClearFailure();
    // A raster draw that cannot get a canvas ends before encoding (and its errors); at a fixed
    // module size the canvas follows from the symbol, so it is checked after.
    if (!IsSvgMode() && ModuleSize() == 0) {
        canvas_width_ = width;
        canvas_height_ = height;
        if (OutputFormat().empty() || !IsRasterMode() || !CanvasSizeUsable(width, height)) {
            ReleaseCanvas();
            return false;
        }
    }
    return DrawModuleMatrix(encode(), x, y, width, height, MatrixLayout::Stretched);
}

void BarcodeBase2D::FitModuleSize(const ModuleMatrix& matrix, MatrixLayout layout, int& width, int& height) const {
    if (ModuleSize() == 0 || matrix.Empty()) return;
    const long long px = ModuleSize();
    const long long rows = layout == MatrixLayout::StretchedRows ? (long long)matrix.Rows() * RowModules() : matrix.Rows();
    width = int(std::min(px * matrix.Columns(), 0x7FFFFFFFLL));
    height = int(std::min(px * rows, 0x7FFFFFFFLL));
}

void BarcodeBase2D::SquareArea(const ModuleMatrix& matrix, int width, int height, int& area_w, int& area_h) const {
    const double u = SquareUnit(width, height, matrix.Columns(), matrix.Rows(), FitWidth());
    area_w = int(std::ceil(matrix.Columns() * u));
    area_h = int(std::ceil(matrix.Rows() * u));
}

bool BarcodeBase2D::PaintModuleMatrix(const ModuleMatrix& matrix, int width, int height, MatrixLayout layout) {
    if (matrix.Empty()) return PaintOutput(width, height, 1.0, 1.0, [](Painter&) {});  // a blank canvas
    const bool svg = IsSvgMode();
    const int columns = matrix.Columns(), rows = matrix.Rows();
    const bool fit = FitWidth();

    // Drawing area: W x H, except Data Matrix, whose area shrinks to whole square modules.
    int area_w = width, area_h = height;
    if (layout == MatrixLayout::Square) SquareArea(matrix, width, height, area_w, area_h);

    double step_x, step_y;
    if (layout == MatrixLayout::Square) {
        if (svg && fit) {
            step_x = double(area_w) / columns;
            step_y = double(area_h) / rows;
        } else {
            // The raster unit is measured on the canvas, whose size is the area.
            step_x = step_y = SquareUnit(area_w, area_h, columns, rows, fit);
        }
    } else {
        step_x = StretchedStep(area_w, columns, fit);
        step_y = StretchedStep(area_h, rows, fit);
    }
    const std::vector<double> bx = Boundaries(columns, step_x, !svg);
    const std::vector<double> by = Boundaries(rows, step_y, !svg);
    // Rectangles grow by the black pixel adjustment; PDF417 modules keep their true size, since a
    // larger module swallows the narrow spaces at one or two pixels per module.
    const double grow = layout == MatrixLayout::StretchedRows ? 0.0 : PxAdjustBlack();
    // The quiet zone is measured in the matrix's own modules: PDF417 rows are several modules tall.
    const double quiet_y = layout == MatrixLayout::StretchedRows ? step_y / std::max(1, RowModules()) : step_y;

    const Rgba fg = ForegroundColor();
    return PaintOutput(area_w, area_h, step_x, quiet_y, [&](Painter& painter) {
        for (int r = 0; r < rows; ++r) {
            const double top = by[size_t(r)], extent_y = by[size_t(r) + 1] - top;
            if (extent_y <= 0) continue;
            for (int c = 0; c < columns; ++c) {
                if (!matrix.Get(c, r)) continue;
                const double left = bx[size_t(c)], extent_x = bx[size_t(c) + 1] - left;
                if (extent_x > 0) painter.Rect(left, top, extent_x + grow, extent_y + grow, fg);
            }
        }
    });
}
