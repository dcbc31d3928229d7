#pragma once
#include <string>

#include "core/color.h"

struct TTF_Font;
struct SDL_Renderer;
struct SDL_Surface;

// The process-wide font handle that gates raster text; absent when SDL_ttf or the font failed.
TTF_Font* SharedTextFont();
// Opens it once (TTF_Init, then the embedded font at 18 points); later calls retry while it is absent.
void EnsureSharedTextFont();
// Opens the embedded Roboto Regular at `point_size`; the caller closes it with TTF_CloseFont.
TTF_Font* OpenEmbeddedRobotoFont(int point_size);

// The embedded font at one size with monochrome hinting, for one draw (shared by later draws of
// the same size; the caller must not change its settings).
class ScopedFont {
public:
    explicit ScopedFont(int point_size);
    ~ScopedFont();
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;
    TTF_Font* get() const { return font_; }
    explicit operator bool() const { return font_ != nullptr; }

private:
    TTF_Font* font_ = nullptr;
    bool owned_ = false;  // opened past the cache bound: closed at scope exit
};

// A rendered text image (blended, in the given colour), freed at scope exit; empty on failure.
class TextImage {
public:
    TextImage(TTF_Font* font, const std::string& text, Rgba colour);
    ~TextImage();
    TextImage(const TextImage&) = delete;
    TextImage& operator=(const TextImage&) = delete;
    explicit operator bool() const { return surface_ != nullptr; }
    int Width() const;
    int Height() const;
    // Copies the image unscaled with its top-left at (x, y), alpha-blended. False if no texture.
    bool CopyTo(SDL_Renderer* renderer, int x, int y) const;

private:
    SDL_Surface* surface_;
};

// Width of `text` in `font` as TTF_SizeUTF8 measures it; -1 on failure.
int MeasureTextWidth(TTF_Font* font, const std::string& text);
