#include "core/raster_painter.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"

namespace {

bool SameColour(Rgba a, Rgba b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }

// A pixel coordinate as an int, saturated so that extreme settings cannot overflow later arithmetic.
int Pixel(double value) { return int(std::clamp(std::floor(value), -1073741824.0, 1073741824.0)); }

}  // namespace

void RasterPainter::Rect(double x, double y, double w, double h, Rgba colour) {
    const Run run{float(x + origin_x_), float(y + origin_y_), float(w), float(h), colour};
    if (has_pending_ && run.y == pending_.y && run.h == pending_.h && SameColour(run.colour, pending_.colour) &&
        run.x == pending_.x + pending_.w) {
        // Merged only when the far edge comes out exactly as it would alone, so it rounds the same.
        const float merged = (run.x + run.w) - pending_.x;
        if (pending_.x + merged == run.x + run.w) {
            pending_.w = merged;
            return;
        }
    }
    Flush();
    pending_ = run;
    has_pending_ = true;
}

void RasterPainter::Flush() {
    if (!has_pending_) return;
    canvas_.Fill(pending_.x, pending_.y, pending_.w, pending_.h, pending_.colour);
    has_pending_ = false;
}

bool RasterPainter::PrepareText(int font_size) { return SharedTextFontLoaded() && PrepareTextSize(font_size); }

bool RasterPainter::Text(const std::string& text, const TextPlacement& at, int font_size, Rgba colour) {
    Flush();  // text blends over whatever is painted before it
    const auto bitmap = RenderText(font_size, text, colour);
    if (bitmap == nullptr) return false;
    int left = Pixel(double(at.x));
    if (at.anchor == TextAnchor::Middle) left += (at.box_width - bitmap->width) / 2;
    int top = Pixel(double(at.top));
    if (at.bottom != INT_MAX && int64_t(top) + bitmap->height > at.bottom) top = at.bottom - bitmap->height;
    canvas_.Blend(bitmap->argb.data(), bitmap->width, bitmap->height, left + Pixel(origin_x_), top + Pixel(origin_y_));
    return true;
}
