#pragma once
#include "core/render/bit_canvas.h"
#include "core/raster/raster_canvas.h"
#include "core/render/render.h"
#include "core/render/symbol_layout.h"

// The raster drawings of a laid-out symbol, turned by options.rotate.

// True when the drawing holds exactly two colours, the background and an opaque foreground (text
// not smoothed): then DrawInk holds all of it.
bool DrawsInTwoColours(const RenderOptions& options);

// In RGBA, any colours.
RasterCanvas DrawRgba(const SymbolLayout& layout, const RenderOptions& options);

// One bit a pixel: where the foreground inks.
BitCanvas DrawInk(const SymbolLayout& layout, int rotate);
