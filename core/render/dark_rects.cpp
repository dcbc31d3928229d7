#include "core/render/dark_rects.h"

#include <algorithm>
#include <tuple>

std::vector<DarkRect> MergedDarkRects(std::vector<DarkRect> rects) {
    std::sort(rects.begin(), rects.end(), [](const DarkRect& a, const DarkRect& b) {
        return std::tie(a.x, a.w, a.y) < std::tie(b.x, b.w, b.y);
    });
    std::vector<DarkRect> merged;
    for (const DarkRect& r : rects) {
        if (!merged.empty()) {
            DarkRect& last = merged.back();
            if (last.x == r.x && last.w == r.w && last.y + last.h == r.y) {
                last.h += r.h;
                continue;
            }
        }
        merged.push_back(r);
    }
    std::sort(merged.begin(), merged.end(),
              [](const DarkRect& a, const DarkRect& b) { return std::tie(a.y, a.x) < std::tie(b.y, b.x); });
    return merged;
}
