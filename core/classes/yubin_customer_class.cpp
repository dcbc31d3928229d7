#include "core/classes/yubin_customer_class.h"

#include <algorithm>

int YubinCustomer::WidthForHeight(int height) {
    const float h = float(height);
    return int(kYubinBarCount * (h / 3) + h / 6 + 1);
}

std::pair<int, int> YubinCustomer::SymbolSize(const std::string&) { return {2 * kYubinBarCount - 1, 6}; }

bool YubinCustomer::PaintSymbol(const std::string& text, int x, int y, int /*width*/, int height) {
    return DrawByHeight(text, x, y, height);
}

bool YubinCustomer::DrawByHeight(const std::string& text, int x, int y, int height) {
    if (ModuleSize() > 0) height = 6 * ModuleSize();
    if (text.empty() || height <= 0 || height > kMaxHeight) return false;
    std::string bars;
    return RunDraw(
        Tag(), WidthForHeight(height), height,
        [&] {
            bars = EncodeYubinCustomer(text);
            LinearGeometry geometry;
            geometry.width = WidthForHeight(height);
            geometry.module_pixels = double(height) / 6;
            return geometry;
        },
        [&](Painter& painter) { PaintBars(painter, bars, float(x), float(y), float(height)); });
}

void YubinCustomer::PaintBars(Painter& painter, const std::string& bars, float x0, float y0, float height) const {
    const float third = height / 3;  // the bar pitch, and the length of a timing bar
    const float bar_width = std::max(1.0f, float(PxAdjustBlack()) + height / 6);
    for (size_t k = 0; k < bars.size(); ++k) {
        float top = y0;
        float length = height;
        switch (bars[k]) {
            case kYubinUpperBar: length = 2 * height / 3; break;
            case kYubinLowerBar: top += third; length = 2 * height / 3; break;
            case kYubinTimingBar: top += third; length = third; break;
            default: break;  // long bar
        }
        painter.Rect(x0 + float(k) * third, top, bar_width, length, ForegroundColor());
    }
}
