#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/classes/barcode_base_1d.h"
#include "symbologies/databar/databar_common.h"

// What a DataBar class hands the shared drawing: its module rows and text.
struct DataBarDrawing {
    std::vector<DataBarRow> rows;
    std::string text;
    bool stacked = false;  // rows above a text band; otherwise one row at the bar height
    int row_modules = 0;   // one-row symbols: the modules the width is divided by
};

// Drawing shared by the DataBar classes: module rows walked as dark and light runs, and the
// stacked layout with the text band under the rows.
class DataBarBase : public BarcodeBase1D {
public:
    using BarcodeBase1D::BarcodeBase1D;

    std::pair<int, int> SymbolSize(const std::string& code) override;

protected:
    // Whether the current settings stack the rows above a text band.
    virtual bool StackedLayout() const { return false; }
    float BarsOfHeight(int height) const override;
    // The symbol of the code; throws std::exception for data the symbology refuses.
    virtual DataBarDrawing Layout(const std::string& code) = 0;
    bool PaintSymbol(const std::string& code, int x, int y, int width, int height) override;
    // The frame around a layout already made (or made by `encode`).
    bool PaintDataBar(int x, int y, int width, int height, const std::function<DataBarDrawing()>& encode);

private:
    // Walks one row from x: dark runs are filled `row_height` tall, light runs advance; both take
    // the pixel adjustment. Returns the x after the row.
    double DrawModuleRow(Painter& painter, const std::vector<bool>& modules, double x, float y, float scale,
                         float row_height) const;
    // Height of all stacked rows together in a drawing `height` pixels high.
    float StackedRowsHeight(int height) const;
    // Rows stacked from y0 above a reserved text band, then the text under the longest row.
    void DrawStackedRows(Painter& painter, const DataBarDrawing& drawing, int x0, int y0, int width,
                         int height) const;
};

// Modules across the longest row.
int LongestRow(const std::vector<DataBarRow>& rows);
