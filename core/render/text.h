#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/raster/color.h"
#include "core/raster/raster_canvas.h"

// Text in the embedded Roboto Regular, rendered by SDL_ttf. SDL_ttf and FreeType are not
// thread-safe, so every call into them runs under one process-wide lock; rendered images are
// cached, so the lock is held only the first time a string is drawn at a size and colour.

// A rendered string: ARGB8888 pixels (alpha in the top byte), rows without padding.
struct TextBitmap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;
    std::vector<CoverageRun> coverage;  // where the glyphs are: the rest is transparent
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

// Opens the process-wide font once (TTF_Init, then the embedded font at 18 points); later calls
// retry while it is absent. Its absence turns raster text off.
void EnsureSharedTextFont();
bool SharedTextFontLoaded();

// Makes the font of one point size ready for a text block (a size above 1000 points is refused as
// hostile). False when the block must be left out, with the reason in `why`.
bool PrepareTextSize(int point_size, std::string& why);
// The string rendered blended in the colour (cached); null on failure, with SDL_GetError() set.
std::shared_ptr<const TextBitmap> RenderText(int point_size, const std::string& text, Rgba colour);
// The size SDL_ttf measures for the string; empty on failure.
std::optional<TextExtent> MeasureText(int point_size, const std::string& text);
