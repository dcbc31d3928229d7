#pragma once
#include <string>
#include <vector>

// A glyph outline (the SVG path data GlyphFont::Outline gives: relative m, l, h, v, q, c and z in
// font units, y down) as absolute segments, quadratic curves raised to cubic ones, for page
// description languages that draw only lines and cubic curves.
struct OutlineSegment {
    enum Kind { Move, Line, Cubic, Close } kind = Move;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0, x = 0, y = 0;  // control points (Cubic) and the end point
};

std::vector<OutlineSegment> OutlineSegments(const std::string& path_data);
