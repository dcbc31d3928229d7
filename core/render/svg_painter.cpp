#include "core/render/svg_painter.h"

bool SvgPainter::Text(const std::string& text, const TextPlacement& at, int font_size, Rgba colour) {
    const bool middle = at.anchor == TextAnchor::Middle;
    const float x = middle ? at.x + float(at.box_width / 2) : at.x;
    svg_.Text(double(x) + origin_x_, double(at.top) + origin_y_, text, font_size, colour, middle ? "middle" : "start");
    return true;
}
