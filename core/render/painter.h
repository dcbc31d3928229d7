#pragma once
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "core/raster/color.h"

enum class TextAnchor { Start, Middle };

// Where a piece of human-readable text goes. Start: its left edge at x. Middle: centred on the box
// [x, x + box_width): a raster image by its rendered width in whole pixels, vector text anchored
// at x + box_width / 2.
struct TextPlacement {
    float x = 0.0f;
    int box_width = 0;
    float top = 0.0f;
    TextAnchor anchor = TextAnchor::Middle;
    int bottom = INT_MAX;  // raster images that would reach below this are lifted to end at it
};

// Turns a layout into one output. The layout code computes rectangles and text once; the painter
// chosen for the draw (raster pixels or an SVG document) writes them.
class Painter {
public:
    virtual ~Painter() = default;
    // Vector output has no glyph metrics: layouts that size text by its rendered extent use their
    // estimate for it instead.
    virtual bool Vector() const = 0;
    // A dark rectangle in the colour, replacing what is under it.
    virtual void Rect(double x, double y, double w, double h, Rgba colour) = 0;
    // Raster text needs its point size ready once per block: false (with a note saying why) when
    // the block must be left out. Always true for vector output.
    virtual bool PrepareText(int font_size) = 0;
    // False when a raster text image could not be rendered (SDL_GetError() says why).
    virtual bool Text(const std::string& text, const TextPlacement& at, int font_size, Rgba colour) = 0;
    // Everything painted has reached the output.
    virtual void Finish() = 0;

    // Why some text could not be drawn (the draw still succeeds): for the caller's reporting
    // channel, which decides whether anyone is told.
    void Note(std::string reason) { notes_.push_back(std::move(reason)); }
    const std::vector<std::string>& Notes() const { return notes_; }

private:
    std::vector<std::string> notes_;
};
