#pragma once
#include <utility>
#include <vector>

#include "core/render/painter.h"
#include "core/raster/raster_canvas.h"

// Paints into an RGBA canvas. Consecutive rectangles of one band of rows and one colour (the bars of
// a linear symbol, the modules of a matrix row) are filled together, a band row painted once and
// copied; horizontally adjacent ones become one run, since they share their boundary.
class RasterPainter : public Painter {
public:
    RasterPainter(RasterCanvas& canvas, double origin_x, double origin_y)
        : canvas_(canvas), origin_x_(origin_x), origin_y_(origin_y) {}
    ~RasterPainter() override { Flush(); }

    bool Vector() const override { return false; }
    void Rect(double x, double y, double w, double h, Rgba colour) override;
    bool PrepareText(int font_size) override;
    bool Text(const std::string& text, const TextPlacement& at, int font_size, Rgba colour) override;
    void Finish() override { Flush(); }

private:
    void Flush();

    RasterCanvas& canvas_;
    double origin_x_, origin_y_;
    // The band being collected: its rows, colour and spans (x, w).
    float band_y_ = 0.0f, band_h_ = 0.0f;
    Rgba band_colour_{};
    std::vector<std::pair<float, float>> spans_;
};
