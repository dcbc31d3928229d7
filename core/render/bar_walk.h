#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/model/module_widths.h"
#include "core/render/painter.h"

// How a run of bars and spaces becomes pixels.
struct BarWalk {
    float scale = 1.0f;       // pixels per module
    int adjust_black = 0;     // pixels added to every bar
    int adjust_white = 0;     // pixels added to every space
    bool whole_pixels = false;  // each element truncated to whole pixels before the adjustment
    bool base_at_least_one_pixel = true;  // the scaled width is made at least 1 before the adjustment
};

// The one walk over alternating bar and space widths (a bar first) shared by every linear layout:
// each element takes its scaled width plus its adjustment, at least one pixel; bars are painted
// from `top`, as tall as `bar_height(element, module, x)` says (called before every element, bars
// and spaces, with the element's first module and x). A zero width is an empty run and is passed
// over. Returns the x after the last element.
template <class BarHeight>
double WalkBars(Painter& painter, const ModuleWidths& widths, double x0, float top, const BarWalk& walk,
                Rgba colour, BarHeight&& bar_height) {
    int module = 0;
    if (walk.whole_pixels) {
        // 64-bit sums: the pixel adjustments are arbitrary ints.
        int64_t x = int64_t(x0);
        for (size_t i = 0; i < widths.size(); ++i) {
            if (widths[i] == 0) continue;
            const float height = bar_height(i, module, float(x));
            const int64_t base = std::max<int64_t>(1, int64_t(float(widths[i]) * walk.scale));
            const int64_t drawn = std::max<int64_t>(1, (i % 2 == 0 ? walk.adjust_black : walk.adjust_white) + base);
            if (i % 2 == 0) painter.Rect(float(x), top, float(drawn), height, colour);
            x += drawn;
            module += widths[i];
        }
        return double(x);
    }
    float x = float(x0);
    for (size_t i = 0; i < widths.size(); ++i) {
        if (widths[i] == 0) continue;
        const float height = bar_height(i, module, x);
        const float scaled = float(widths[i]) * walk.scale;
        const float base = walk.base_at_least_one_pixel ? std::max(1.0f, scaled) : scaled;
        const float drawn = std::max(1.0f, float(i % 2 == 0 ? walk.adjust_black : walk.adjust_white) + base);
        if (i % 2 == 0) painter.Rect(x, top, drawn, height, colour);
        x += drawn;
        module += widths[i];
    }
    return double(x);
}
