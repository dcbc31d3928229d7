#include "core/render/text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <shared_mutex>
#include <tuple>
#include <unordered_map>

#include "resources/roboto_regular.h"

namespace {

// "SDL_ttfの初期化に失敗: " and "フォントの読み込みに失敗: " in Shift-JIS.
constexpr char kTtfInitFailed[] = "SDL_ttf\x82\xCC\x8F\x89\x8A\xFA\x89\xBB\x82\xC9\x8E\xB8\x94s: ";
constexpr char kFontLoadFailed[] =
    "\x83t\x83H\x83\x93\x83g\x82\xCC\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x82\xC9\x8E\xB8\x94s: ";

// Glyph rendering time grows with the square of the size; beyond this a font scale or height is
// hostile rather than useful (glyphs over a thousand pixels tall), and the text is left out.
constexpr int kMaxPointSize = 1000;
// Fonts by point size, opened once and kept: reopening throws away SDL_ttf's glyph cache. Text
// sizes follow a handful of heights; past the bound a font is opened for the one call.
constexpr size_t kMaxCachedSizes = 64;
// Rendered strings kept; the cache starts over when full.
constexpr size_t kMaxCachedTexts = 8192;

// Readers of the caches share it; SDL_ttf calls and cache inserts hold it alone.
std::shared_mutex g_text_mutex;
TTF_Font* g_shared_font = nullptr;
std::unordered_map<int, TTF_Font*> g_fonts;

struct TextKey {
    int point_size;
    uint32_t colour;
    std::string text;
    bool operator<(const TextKey& o) const {
        return std::tie(point_size, colour, text) < std::tie(o.point_size, o.colour, o.text);
    }
};
std::map<TextKey, std::shared_ptr<const TextBitmap>> g_texts;
std::map<std::pair<int, std::string>, TextExtent> g_extents;

// The font at a size; null with the reason in `why` when it cannot be opened.
TTF_Font* OpenEmbeddedFont(int point_size, std::string& why) {
    SDL_RWops* stream = SDL_RWFromConstMem(kRobotoRegularTtf, int(kRobotoRegularTtfSize));
    if (stream == nullptr) {
        why = std::string("OpenEmbeddedRobotoFont: SDL_RWFromConstMem failed: ") + SDL_GetError();
        return nullptr;
    }
    TTF_Font* font = TTF_OpenFontRW(stream, 1, point_size);
    if (font == nullptr) why = std::string("OpenEmbeddedRobotoFont: TTF_OpenFontRW failed: ") + SDL_GetError();
    return font;
}

// A font of the size for one call under the lock: the cached one, or one opened for the call.
class SizedFont {
public:
    SizedFont(int point_size, std::string& why) {
        if (const auto found = g_fonts.find(point_size); found != g_fonts.end()) {
            font_ = found->second;
            return;
        }
        font_ = OpenEmbeddedFont(point_size, why);
        if (font_ == nullptr) return;
        TTF_SetFontHinting(font_, TTF_HINTING_MONO);
        if (g_fonts.size() < kMaxCachedSizes) {
            g_fonts.emplace(point_size, font_);
        } else {
            owned_ = true;
        }
    }
    ~SizedFont() {
        if (owned_) TTF_CloseFont(font_);
    }
    SizedFont(const SizedFont&) = delete;
    SizedFont& operator=(const SizedFont&) = delete;
    TTF_Font* get() const { return font_; }

private:
    TTF_Font* font_ = nullptr;
    bool owned_ = false;
};

uint32_t ColourKey(Rgba c) { return uint32_t(c.r) << 24 | uint32_t(c.g) << 16 | uint32_t(c.b) << 8 | c.a; }

std::shared_ptr<const TextBitmap> Render(TTF_Font* font, const std::string& text, Rgba colour) {
    SDL_Surface* surface = TTF_RenderUTF8_Blended(font, text.c_str(), SDL_Color{colour.r, colour.g, colour.b, colour.a});
    if (surface == nullptr) return nullptr;
    // SDL_ttf renders blended text as ARGB8888; convert anything else so the blend reads one layout.
    if (surface->format->format != SDL_PIXELFORMAT_ARGB8888) {
        SDL_Surface* converted = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(surface);
        if (converted == nullptr) return nullptr;
        surface = converted;
    }
    auto bitmap = std::make_shared<TextBitmap>();
    bitmap->width = surface->w;
    bitmap->height = surface->h;
    bitmap->argb.resize(size_t(surface->w) * size_t(surface->h));
    for (int y = 0; y < surface->h; ++y)
        std::memcpy(bitmap->argb.data() + size_t(y) * size_t(surface->w),
                    static_cast<const uint8_t*>(surface->pixels) + size_t(y) * size_t(surface->pitch),
                    size_t(surface->w) * 4);
    SDL_FreeSurface(surface);
    bitmap->coverage = CoverageRuns(bitmap->argb.data(), bitmap->width, bitmap->height);
    return bitmap;
}

}  // namespace

void EnsureSharedTextFont() {
    std::unique_lock<std::shared_mutex> lock(g_text_mutex);
    if (g_shared_font != nullptr) return;
    if (TTF_Init() == -1) {
        std::fprintf(stderr, "%s%s\n", kTtfInitFailed, SDL_GetError());
        return;
    }
    // No object has a reporting channel yet when the shared font is opened: this goes to standard
    // error directly.
    std::string why;
    g_shared_font = OpenEmbeddedFont(18, why);
    if (g_shared_font == nullptr) std::fprintf(stderr, "%s\n%s%s\n", why.c_str(), kFontLoadFailed, SDL_GetError());
}

bool SharedTextFontLoaded() {
    std::shared_lock<std::shared_mutex> lock(g_text_mutex);
    return g_shared_font != nullptr;
}

bool PrepareTextSize(int point_size, std::string& why) {
    if (point_size > kMaxPointSize) {
        why = "TTF_OpenFont error: point size " + std::to_string(point_size) + " is above " +
              std::to_string(kMaxPointSize);
        return false;
    }
    {
        std::shared_lock<std::shared_mutex> lock(g_text_mutex);
        if (g_fonts.count(point_size) != 0) return true;
    }
    std::unique_lock<std::shared_mutex> lock(g_text_mutex);
    std::string opening;
    SizedFont font(point_size, opening);
    if (font.get() == nullptr) {
        why = opening + "\nTTF_OpenFont error: " + SDL_GetError();
        return false;
    }
    return true;
}

std::shared_ptr<const TextBitmap> RenderText(int point_size, const std::string& text, Rgba colour) {
    TextKey key{point_size, ColourKey(colour), text};
    {
        std::shared_lock<std::shared_mutex> lock(g_text_mutex);
        if (const auto found = g_texts.find(key); found != g_texts.end()) return found->second;
    }
    std::unique_lock<std::shared_mutex> lock(g_text_mutex);
    if (const auto found = g_texts.find(key); found != g_texts.end()) return found->second;
    std::string unreported;  // PrepareTextSize has already told why a size cannot be opened
    SizedFont font(point_size, unreported);
    std::shared_ptr<const TextBitmap> bitmap = font.get() ? Render(font.get(), text, colour) : nullptr;
    if (bitmap == nullptr) return nullptr;
    if (g_texts.size() >= kMaxCachedTexts) g_texts.clear();
    g_texts.emplace(std::move(key), bitmap);
    return bitmap;
}

std::optional<TextExtent> MeasureText(int point_size, const std::string& text) {
    auto key = std::make_pair(point_size, text);
    {
        std::shared_lock<std::shared_mutex> lock(g_text_mutex);
        if (const auto found = g_extents.find(key); found != g_extents.end()) return found->second;
    }
    std::unique_lock<std::shared_mutex> lock(g_text_mutex);
    std::string unreported;
    SizedFont font(point_size, unreported);
    TextExtent extent;
    if (font.get() == nullptr || TTF_SizeUTF8(font.get(), text.c_str(), &extent.width, &extent.height) != 0)
        return std::nullopt;
    if (g_extents.size() >= kMaxCachedTexts) g_extents.clear();
    g_extents.emplace(std::move(key), extent);
    return extent;
}
