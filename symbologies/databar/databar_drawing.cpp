#include "symbologies/databar/databar_drawing.h"

#include <algorithm>

namespace {

// The gap between stacked rows and their text is smaller than the one-row gap.
float StackedGapCoefficient(int height) { return height < 50 ? 0.02f : height <= 200 ? 0.03f : 0.04f; }

}  // namespace

float DataBarBase::DrawModuleRow(const std::vector<bool>& modules, float x, float y, float scale,
                                 float row_height) {
    const Rgba fg = ForegroundColor();
    const float adjust_black = float(PxAdjustBlack());
    const float adjust_white = float(PxAdjustWhite());
    bool dark = true;
    for (int run : RunLengths(modules)) {
        if (run > 0) {
            if (dark) {
                const float w = std::max(1.0f, adjust_black + float(run) * scale);
                FillRect(x, y, w, row_height, fg);
                x += w;
            } else {
                x += std::max(1.0f, adjust_white + float(run) * scale);
            }
        }
        dark = !dark;
    }
    return x;
}

int DataBarBase::DrawSingleRow(const std::vector<bool>& modules, int x0, int y0, float scale, int height) {
    ComputeBarHeight(height, 1);
    return int(DrawModuleRow(modules, float(x0), float(y0), scale, bar_height_) - float(x0));
}

void DataBarBase::DrawStackedRows(const std::vector<DataBarRow>& rows, int x0, int y0, int width, int height,
                                  const std::string& text) {
    size_t longest = 0;
    for (const DataBarRow& row : rows) longest = std::max(longest, row.modules.size());
    const float scale = ModuleScale(int(longest), width);

    // The text band is kept free even when the text is off, so the rows do not change with it.
    const int gap = std::max(1, int(float(height) * StackedGapCoefficient(height) * TextGapScale()));
    const float rows_height = float(std::max(10, height - gap - TextFontSize(height)));

    // Weighted heights: with shared rows, fixed rows are weight modules high and the shared rows
    // split the rest; otherwise every row takes its proportion of the whole.
    int weight_sum = 0, shared = 0;
    float fixed = 0.0f;
    for (const DataBarRow& row : rows) {
        if (row.weight < 0) {
            ++shared;
        } else {
            weight_sum += row.weight;
            fixed += float(row.weight) * scale;
        }
    }
    const float shared_height = shared > 0 ? std::max(1.0f, (rows_height - fixed) / float(shared)) : 0.0f;

    float y = float(y0);
    for (const DataBarRow& row : rows) {
        const float h = row.weight < 0 ? shared_height
                        : shared > 0   ? float(row.weight) * scale
                                       : float(row.weight) * rows_height / float(weight_sum);
        DrawModuleRow(row.modules, float(x0), y, scale, h);
        y += h;
    }
    DrawHumanText(text, x0, y0, int(float(longest) * scale), height);
}
