#pragma once
#include <string>

#include "core/render/render.h"
#include "core/render/symbol_layout.h"

// The SVG document of a laid-out symbol: a background rectangle, one path holding every dark
// area, and the text as glyph outlines (defined once, placed with <use>), so that every viewer
// draws the same letters whether or not it has the font. User units are modules; width and height
// are pixels, or millimetres when the module size or resolution says how large a module prints.
std::string SvgDocument(const SymbolLayout& layout, const RenderOptions& options);
