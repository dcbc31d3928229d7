#pragma once
#include <string>

#include "core/render/render.h"
#include "core/render/symbol_layout.h"

// A laid-out symbol as a page for print: PDF or Encapsulated PostScript, the same drawing in
// both. The page is the symbol with its quiet zone, in exact millimetres: the module is
// `module_mm` when given, else the pixel of `dpi`, else a CSS pixel (1/96 inch). Dark areas are
// one filled path of merged rectangles, text is glyph outlines (no font is needed), and colours
// are RGB or, with `cmyk`, DeviceCMYK with black as 0/0/0/100 (never a rich black).
enum class PrintLanguage { Pdf, Eps };

std::string PrintDocument(const SymbolLayout& layout, const RenderOptions& options, PrintLanguage language);
