#pragma once
#include <string>
#include <vector>

#include "core/barcode_base_1d.h"
#include "symbologies/databar/databar_common.h"

// Drawing shared by the DataBar classes: module rows walked as dark and light runs, and the
// stacked layout with the text band under the rows. Works in raster and SVG mode alike.
class DataBarBase : public BarcodeBase1D {
public:
    using BarcodeBase1D::BarcodeBase1D;

protected:
    // Walks one row from x: dark runs are filled `row_height` tall, light runs advance; both take
    // the pixel adjustment. Returns the x after the row.
    float DrawModuleRow(const std::vector<bool>& modules, float x, float y, float scale, float row_height);
    // A one-row symbol at the bar height for one text line, `scale` pixels per module; returns
    // the drawn width.
    int DrawSingleRow(const std::vector<bool>& modules, int x0, int y0, float scale, int height);
    // Rows stacked from y0 above a reserved text band, then `text` under the longest row.
    void DrawStackedRows(const std::vector<DataBarRow>& rows, int x0, int y0, int width, int height,
                         const std::string& text);
};
