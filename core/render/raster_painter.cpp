#include "core/render/raster_painter.h"

#include <algorithm>
#include <cmath>

#include "core/render/text.h"

namespace {

bool SameColour(Rgba a, Rgba b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }

// A pixel coordinate as an int, saturated so that extreme settings cannot overflow later arithmetic.
int Pixel(double value) { return value == value ? int(std::clamp(std::floor(value), -1073741824.0, 1073741824.0)) : 0; }

}  // namespace

void RasterPainter::Rect(double x, double y, double w, double h, Rgba colour) {
    const float left = float(x + origin_x_), top = float(y + origin_y_), width = float(w), height = float(h);
    if (spans_.empty() || top != band_y_ || height != band_h_ || !SameColour(colour, band_colour_)) {
        Flush();
        band_y_ = top;
        band_h_ = height;
        band_colour_ = colour;
    } else if (auto& last = spans_.back(); left == last.first + last.second) {
        // Merged only when the far edge comes out exactly as it would alone, so it rounds the same.
        const float merged = (left + width) - last.first;
        if (last.first + merged == left + width) {
            last.second = merged;
            return;
        }
    }
    spans_.emplace_back(left, width);
}

void RasterPainter::Flush() {
    if (spans_.empty()) return;
    canvas_.FillBand(band_y_, band_h_, spans_, band_colour_);
    spans_.clear();
}

bool RasterPainter::PrepareText(int font_size) {
    if (!SharedTextFontLoaded()) return false;
    std::string why;
    if (PrepareTextSize(font_size, why)) return true;
    Note(why);
    return false;
}

bool RasterPainter::Text(const std::string& text, const TextPlacement& at, int font_size, Rgba colour) {
    Flush();  // text blends over whatever is painted before it
    const auto bitmap = RenderText(font_size, text, colour);
    if (bitmap == nullptr) return false;
    int left = Pixel(double(at.x));
    if (at.anchor == TextAnchor::Middle) left += (at.box_width - bitmap->width) / 2;
    int top = Pixel(double(at.top));
    if (at.bottom != INT_MAX && int64_t(top) + bitmap->height > at.bottom) top = at.bottom - bitmap->height;
    canvas_.Blend(bitmap->argb.data(), bitmap->width, bitmap->height, bitmap->coverage, left + Pixel(origin_x_),
                  top + Pixel(origin_y_));
    return true;
}
