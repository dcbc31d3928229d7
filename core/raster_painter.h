#pragma once
#include "core/painter.h"
#include "core/raster_canvas.h"

// Paints into an RGBA canvas. Horizontally adjacent rectangles of one row and colour are filled as
// one run: they share their boundary, so the pixels are the same and the fill count drops to the
// number of dark runs.
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
    struct Run {
        float x, y, w, h;
        Rgba colour;
    };
    void Flush();

    RasterCanvas& canvas_;
    double origin_x_, origin_y_;
    Run pending_{};
    bool has_pending_ = false;
};
