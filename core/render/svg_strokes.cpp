#include "core/render/svg_strokes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <tuple>

#include "core/render/svg_number.h"

namespace {

struct Line {
    double x, y;   // start, in units
    double length;
    bool vertical;
};

bool OnGrid(double v, double cell) { return std::fabs(v / cell - std::round(v / cell)) < 1e-9; }

// The runs as lines: from the grid of square cells when there is one, else one per rectangle.
std::vector<Line> Lines(const std::vector<DarkRect>& rects, double unit) {
    const double cell = rects.front().h;
    double x0 = rects.front().x, y0 = rects.front().y;
    for (const DarkRect& r : rects) x0 = std::min(x0, r.x), y0 = std::min(y0, r.y);
    bool grid = true;
    long columns = 0, rows = 0;
    for (const DarkRect& r : rects) {
        grid = grid && OnGrid(r.x - x0, cell) && OnGrid(r.w, cell) && OnGrid(r.y - y0, cell);
        columns = std::max(columns, std::lround((r.x + r.w - x0) / cell));
        rows = std::max(rows, std::lround((r.y - y0) / cell) + 1);
    }
    std::vector<Line> lines;
    if (!grid || columns * rows > 4'000'000) {
        for (const DarkRect& r : rects) lines.push_back({r.x / unit, (r.y + cell / 2) / unit, r.w / unit, false});
        return lines;
    }
    std::vector<uint8_t> dark(size_t(columns * rows), 0), covered(dark.size(), 0);
    auto at = [&](long c, long r) { return size_t(r * columns + c); };
    for (const DarkRect& r : rects) {
        const long row = std::lround((r.y - y0) / cell), first = std::lround((r.x - x0) / cell);
        for (long c = first; c < first + std::lround(r.w / cell); ++c) dark[at(c, row)] = 1;
    }
    // Greedy: each cell not yet drawn starts the longer of its row run and its column run. The
    // lines may overlap; one path's stroke paints their union once, even when translucent.
    for (long r = 0; r < rows; ++r) {
        for (long c = 0; c < columns; ++c) {
            if (!dark[at(c, r)] || covered[at(c, r)]) continue;
            long across = 0, down = 0;
            while (c + across < columns && dark[at(c + across, r)]) ++across;
            while (r + down < rows && dark[at(c, r + down)]) ++down;
            const bool vertical = down > across;
            for (long k = 0; k < (vertical ? down : across); ++k) covered[vertical ? at(c, r + k) : at(c + k, r)] = 1;
            const double left = x0 + c * cell, top = y0 + r * cell;
            lines.push_back(vertical ? Line{(left + cell / 2) / unit, top / unit, down * cell / unit, true}
                                     : Line{left / unit, (top + cell / 2) / unit, across * cell / unit, false});
        }
    }
    return lines;
}

// A command and two coordinates; a minus sign separates them as well as a space does.
void Move(std::string& out, char command, double a, double b) {
    out.clear();
    out += command;
    AppendSvgNumber(out, a);
    if (std::round(b * 1000.0) >= 0.0) out += ' ';  // what prints as 0 or more has no sign
    AppendSvgNumber(out, b);
}

}  // namespace

std::string StrokePath(const std::vector<DarkRect>& rects, double unit) {
    if (rects.empty()) return {};
    for (const DarkRect& r : rects)
        if (r.h != rects.front().h) return {};
    std::string d, absolute, relative;
    double x = 0.0, y = 0.0;  // the pen
    for (const Line& line : Lines(rects, unit)) {
        Move(absolute, 'M', line.x, line.y);
        Move(relative, 'm', SvgRounded(line.x) - x, SvgRounded(line.y) - y);
        d += d.empty() || absolute.size() < relative.size() ? absolute : relative;
        d += line.vertical ? 'v' : 'h';
        AppendSvgNumber(d, line.length);
        x = SvgRounded(line.x) + (line.vertical ? 0.0 : SvgRounded(line.length));
        y = SvgRounded(line.y) + (line.vertical ? SvgRounded(line.length) : 0.0);
    }
    return d;
}
