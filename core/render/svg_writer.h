#pragma once
#include <cstdint>
#include <string>

#include "core/raster/color.h"

// Writes an SVG 1.1 document as text. Floats in elements have two decimals, integers are plain.
class SvgWriter {
public:
    void Begin(int width, int height);
    void Rect(double x, double y, double w, double h, Rgba colour);
    // Text hanging from y, opaque in the colour's r, g, b; the content is XML-escaped.
    void Text(double x, double y, const std::string& text, int font_size, Rgba colour, const char* anchor);
    void End();

    const std::string& Document() const { return doc_; }
    uint32_t Width() const { return width_; }
    uint32_t Height() const { return height_; }

private:
    std::string doc_;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
};
