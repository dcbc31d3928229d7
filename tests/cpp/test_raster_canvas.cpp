#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/raster/raster_canvas.h"

namespace {

// Every (coverage, source, destination) triple blended by SDL's software renderer, the way text was
// drawn before the canvas wrote its own pixels, against RasterCanvas::Blend: the same bytes.
TEST(RasterCanvas, BlendMatchesSdlSoftwareRendererForEveryValue) {
    SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 256, 256, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(target);
    SDL_Surface* text = SDL_CreateRGBSurfaceWithFormat(0, 256, 256, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_TRUE(target && renderer && text);
    std::vector<uint32_t> argb(256 * 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) argb[y * 256 + x] = uint32_t(x) << 24 | uint32_t(y) << 16 | uint32_t(255 - y) << 8 | uint32_t(y / 2);
    std::memcpy(text->pixels, argb.data(), argb.size() * 4);
    long mismatches = 0;
    for (int d = 0; d < 256; d += 3) {
        const Rgba under{uint8_t(d), uint8_t(255 - d), uint8_t(d / 3), uint8_t(255 - d / 2)};
        RasterCanvas canvas(256, 256, under);
        SDL_SetRenderDrawColor(renderer, under.r, under.g, under.b, under.a);
        SDL_RenderClear(renderer);
        SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, text);
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
        const SDL_Rect all{0, 0, 256, 256};
        SDL_RenderCopy(renderer, texture, nullptr, &all);
        SDL_DestroyTexture(texture);
        SDL_RenderPresent(renderer);
        canvas.Blend(argb.data(), 256, 256, CoverageRuns(argb.data(), 256, 256), 0, 0);
        for (int y = 0; y < 256; ++y)
            mismatches += std::memcmp(static_cast<const uint8_t*>(target->pixels) + y * target->pitch,
                                      canvas.Pixels() + y * 256 * 4, 256 * 4) != 0;
    }
    EXPECT_EQ(mismatches, 0);
    SDL_FreeSurface(text);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(target);
}

// Dark pixels of one row after a fill: the pixels whose centres lie in [x, x + w). Worked by hand.
TEST(RasterCanvas, FillCoversPixelCentres) {
    struct Case {
        float x, w;
        const char* row;  // 8 pixels, '#' dark
    } cases[] = {
        {2.0f, 3.0f, "..###..."},
        {1.5f, 1.0f, ".#......"},   // [1.5, 2.5): pixel 1's centre 1.5 is its first point
        {1.6f, 1.0f, "..#....."},   // [1.6, 2.6): pixel 2's centre 2.5
        {1.2f, 0.6f, ".#......"},   // narrower than a pixel, still one centre
        {0.6f, 0.8f, "........"},   // [0.6, 1.4): no centre inside
        {-3.0f, 5.0f, "##......"},  // clipped at the left edge
        {6.5f, 9.0f, "......##"},   // clipped at the right edge
    };
    for (const Case& c : cases) {
        RasterCanvas canvas(8, 1, Rgba{255, 255, 255, 255});
        canvas.Fill(c.x, 0.0f, c.w, 1.0f, Rgba{0, 0, 0, 255});
        std::string row;
        for (int i = 0; i < 8; ++i) row += canvas.Pixels()[i * 4] == 0 ? '#' : '.';
        EXPECT_EQ(row, c.row) << c.x << " + " << c.w;
    }
}

}  // namespace
