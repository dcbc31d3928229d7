#include "core/classes/databar_drawing.h"

#include <algorithm>

namespace {

// The gap between stacked rows and their text is smaller than the one-row gap.
float StackedGapCoefficient(int height) { return height < 50 ? 0.02f : height <= 200 ? 0.03f : 0.04f; }

}  // namespace

int LongestRow(const std::vector<DataBarRow>& rows) {
    size_t longest = 0;
    for (const DataBarRow& row : rows) longest = std::max(longest, row.modules.size());
    return int(longest);
}

std::pair<int, int> DataBarBase::SymbolSize(const std::string& code) {
    const DataBarDrawing drawing = Layout(code);
    if (!drawing.stacked) return {drawing.row_modules, 1};
    return {LongestRow(drawing.rows), int(drawing.rows.size())};
}

bool DataBarBase::PaintSymbol(const std::string& code, int x, int y, int width, int height) {
    return PaintDataBar(x, y, width, height, [&] { return Layout(code); });
}

bool DataBarBase::PaintDataBar(int x0, int y0, int width, int height,
                               const std::function<DataBarDrawing()>& encode) {
    DataBarDrawing drawing;
    int area_width = width;
    return RunDraw(
        Tag(), width, height,
        [&] {
            drawing = encode();
            const LinearGeometry geometry =
                SpreadModules(drawing.stacked ? LongestRow(drawing.rows) : drawing.row_modules, width);
            area_width = geometry.width;
            return geometry;
        },
        [&](Painter& painter) {
            if (drawing.stacked) {
                DrawStackedRows(painter, drawing, x0, y0, area_width, height);
                return;
            }
            ComputeBarHeight(height, 1);
            const float scale = ModuleScale(drawing.row_modules, area_width);
            const double end = DrawModuleRow(painter, drawing.rows[0].modules, x0, float(y0), scale, bar_height_);
            // Bounded like DrawBars: extreme pixel adjustments carry the end past any int.
            DrawHumanText(painter, drawing.text, x0, y0, int(std::min(float(end) - float(x0), 1e9f)), height);
        });
}

float DataBarBase::StackedRowsHeight(int height) const {
    // The text band is kept free even when the text is off, so the rows do not change with it.
    const int gap = std::max(1, ScaledPixels(float(height) * StackedGapCoefficient(height) * TextGapScale()));
    return float(std::max(10, height - gap - TextFontSize(height)));
}

float DataBarBase::BarsOfHeight(int height) const {
    return StackedLayout() ? StackedRowsHeight(height) : BarcodeBase1D::BarsOfHeight(height);
}

double DataBarBase::DrawModuleRow(Painter& painter, const std::vector<bool>& modules, double x, float y,
                                  float scale, float row_height) const {
    BarWalk walk = Walk(scale);
    walk.base_at_least_one_pixel = false;
    return WalkBars(painter, RunLengths(modules), double(float(x)), y, walk, ForegroundColor(),
                    [row_height](size_t, int, float) { return row_height; });
}

void DataBarBase::DrawStackedRows(Painter& painter, const DataBarDrawing& drawing, int x0, int y0, int width,
                                  int height) const {
    const int longest = LongestRow(drawing.rows);
    const float scale = ModuleScale(longest, width);

    const float rows_height = StackedRowsHeight(height);

    // Weighted heights: with shared rows, fixed rows are weight modules high and the shared rows
    // split the rest; otherwise every row takes its proportion of the whole.
    int weight_sum = 0, shared = 0;
    float fixed = 0.0f;
    for (const DataBarRow& row : drawing.rows) {
        if (row.weight < 0) {
            ++shared;
        } else {
            weight_sum += row.weight;
            fixed += float(row.weight) * scale;
        }
    }
    const float shared_height = shared > 0 ? std::max(1.0f, (rows_height - fixed) / float(shared)) : 0.0f;

    float y = float(y0);
    for (const DataBarRow& row : drawing.rows) {
        const float h = row.weight < 0 ? shared_height
                        : shared > 0   ? float(row.weight) * scale
                                       : float(row.weight) * rows_height / float(weight_sum);
        DrawModuleRow(painter, row.modules, x0, y, scale, h);
        y += h;
    }
    DrawHumanText(painter, drawing.text, x0, y0, int(float(longest) * scale), height);
}
