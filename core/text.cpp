#include "core/text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <unordered_map>

#include "resources/roboto_regular.h"

namespace {

// "SDL_ttfの初期化に失敗: " and "フォントの読み込みに失敗: " in Shift-JIS.
constexpr char kTtfInitFailed[] = "SDL_ttf\x82\xCC\x8F\x89\x8A\xFA\x89\xBB\x82\xC9\x8E\xB8\x94s: ";
constexpr char kFontLoadFailed[] =
    "\x83t\x83H\x83\x93\x83g\x82\xCC\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x82\xC9\x8E\xB8\x94s: ";

TTF_Font* g_shared_font = nullptr;

}  // namespace

TTF_Font* SharedTextFont() { return g_shared_font; }

void EnsureSharedTextFont() {
    if (g_shared_font != nullptr) return;
    if (TTF_Init() == -1) {
        std::fprintf(stderr, "%s%s\n", kTtfInitFailed, SDL_GetError());
        return;
    }
    g_shared_font = OpenEmbeddedRobotoFont(18);
    if (g_shared_font == nullptr) std::fprintf(stderr, "%s%s\n", kFontLoadFailed, SDL_GetError());
}

TTF_Font* OpenEmbeddedRobotoFont(int point_size) {
    SDL_RWops* stream = SDL_RWFromConstMem(kRobotoRegularTtf, int(kRobotoRegularTtfSize));
    if (stream == nullptr) {
        std::fprintf(stderr, "OpenEmbeddedRobotoFont: SDL_RWFromConstMem failed: %s\n", SDL_GetError());
        return nullptr;
    }
    TTF_Font* font = TTF_OpenFontRW(stream, 1, point_size);
    if (font == nullptr) {
        std::fprintf(stderr, "OpenEmbeddedRobotoFont: TTF_OpenFontRW failed: %s\n", SDL_GetError());
        return nullptr;
    }
    return font;
}

namespace {

// Glyph rendering time grows with the square of the size; beyond this a font scale or height is
// hostile rather than useful (glyphs over a thousand pixels tall), and the text is left out.
constexpr int kMaxPointSize = 1000;

}  // namespace

namespace {

// Fonts by point size, opened once and kept like the shared font: opening the font again for every
// draw also throws away SDL_ttf's glyph cache, and re-rasterising the glyphs costs more than drawing
// the bars. Text sizes follow a handful of heights, so the cache stays small; past its bound a font
// is opened for the one draw.
constexpr size_t kMaxCachedSizes = 64;

std::unordered_map<int, TTF_Font*>& FontCache() {
    static std::unordered_map<int, TTF_Font*> cache;
    return cache;
}

}  // namespace

ScopedFont::ScopedFont(int point_size) {
    if (point_size > kMaxPointSize) {
        std::fprintf(stderr, "TTF_OpenFont error: point size %d is above %d\n", point_size, kMaxPointSize);
        return;
    }
    auto& cache = FontCache();
    if (const auto found = cache.find(point_size); found != cache.end()) {
        font_ = found->second;
        return;
    }
    font_ = OpenEmbeddedRobotoFont(point_size);
    if (font_ == nullptr) {
        std::fprintf(stderr, "TTF_OpenFont error: %s\n", SDL_GetError());
        return;
    }
    TTF_SetFontHinting(font_, TTF_HINTING_MONO);
    if (cache.size() < kMaxCachedSizes) {
        cache.emplace(point_size, font_);
    } else {
        owned_ = true;
    }
}

ScopedFont::~ScopedFont() {
    if (owned_) TTF_CloseFont(font_);
}

TextImage::TextImage(TTF_Font* font, const std::string& text, Rgba colour)
    : surface_(font ? TTF_RenderUTF8_Blended(font, text.c_str(), SDL_Color{colour.r, colour.g, colour.b, colour.a})
                    : nullptr) {}

TextImage::~TextImage() {
    if (surface_ != nullptr) SDL_FreeSurface(surface_);
}

int TextImage::Width() const { return surface_ ? surface_->w : 0; }

int TextImage::Height() const { return surface_ ? surface_->h : 0; }

bool TextImage::CopyTo(SDL_Renderer* renderer, int x, int y) const {
    if (surface_ == nullptr || renderer == nullptr) return false;
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface_);
    if (texture == nullptr) return false;
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    const SDL_Rect dst{x, y, surface_->w, surface_->h};
    SDL_RenderCopy(renderer, texture, nullptr, &dst);
    SDL_DestroyTexture(texture);
    return true;
}

int MeasureTextWidth(TTF_Font* font, const std::string& text) {
    int w = 0, h = 0;
    if (font == nullptr || TTF_SizeUTF8(font, text.c_str(), &w, &h) != 0) return -1;
    return w;
}
