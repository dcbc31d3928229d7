#pragma once
#include <cstdint>
#include <vector>

struct SDL_Surface;

enum class ImageFormat { Png, Jpeg };

// Encodes a surface as PNG (RGBA) or JPEG (quality 90); empty on failure.
std::vector<uint8_t> EncodeSurface(SDL_Surface* surface, ImageFormat format);
