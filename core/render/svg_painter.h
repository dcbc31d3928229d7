#pragma once
#include "core/render/painter.h"
#include "core/render/svg_writer.h"

// Paints elements of an SVG document that the draw frame has begun.
class SvgPainter : public Painter {
public:
    SvgPainter(SvgWriter& svg, double origin_x, double origin_y) : svg_(svg), origin_x_(origin_x), origin_y_(origin_y) {}

    bool Vector() const override { return true; }
    void Rect(double x, double y, double w, double h, Rgba colour) override {
        svg_.Rect(x + origin_x_, y + origin_y_, w, h, colour);
    }
    bool PrepareText(int) override { return true; }
    bool Text(const std::string& text, const TextPlacement& at, int font_size, Rgba colour) override;
    void Finish() override {}

private:
    SvgWriter& svg_;
    double origin_x_, origin_y_;
};
