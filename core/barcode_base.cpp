#include "core/barcode_base.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "core/base64.h"
#include "core/image_encoder.h"

namespace {

// Canvas failure messages, in Shift-JIS like every Japanese message of the library.
// "サーフェス作成に失敗: " and "レンダラー作成に失敗: "
constexpr char kSurfaceFailed[] = "\x83T\x81[\x83t\x83" "F\x83X\x8D\xEC\x90\xAC\x82\xC9\x8E\xB8\x94s: ";
constexpr char kRendererFailed[] = "\x83\x8C\x83\x93\x83_\x83\x89\x81[\x8D\xEC\x90\xAC\x82\xC9\x8E\xB8\x94s: ";

constexpr char kFallbackUri[] =
    "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVQI12P4//8/AAX+Av7czFnnAAAAAElFTkSuQmCC";

bool IsJpegFormat(const std::string& format) { return format == "jpg" || format == "jpeg"; }

}  // namespace

BarcodeBase::BarcodeBase(std::string output_format) : output_format_(std::move(output_format)) {}

BarcodeBase::~BarcodeBase() { ReleaseCanvas(); }

void BarcodeBase::SetForegroundColor(int r, int g, int b, int a) {
    foreground_ = {uint8_t(r), uint8_t(g), uint8_t(b), uint8_t(a)};
}

void BarcodeBase::SetBackgroundColor(int r, int g, int b, int a) {
    background_ = {uint8_t(r), uint8_t(g), uint8_t(b), uint8_t(a)};
}

bool BarcodeBase::DrawSvg(const std::string&, int, int, int, int) { return false; }

bool BarcodeBase::IsSvgMode() const { return output_format_ == "svg" || output_format_ == "SVG"; }

bool BarcodeBase::IsRasterMode() const { return output_format_ == "png" || IsJpegFormat(output_format_); }

void BarcodeBase::ReleaseCanvas() {
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (surface_ != nullptr) SDL_FreeSurface(surface_);
    renderer_ = nullptr;
    surface_ = nullptr;
}

bool BarcodeBase::PrepareCanvas(int width, int height) {
    canvas_width_ = width;
    canvas_height_ = height;
    ReleaseCanvas();
    if (!IsRasterMode()) return true;
    // Sizes the image writers cannot take: nothing to draw on, or more than 2 GiB of pixels.
    if (width <= 0 || height <= 0 || 4LL * width * height + 1024000 > 0x7FFFFFFFLL) {
        std::fprintf(stderr, "%sinvalid canvas size %dx%d\n", kSurfaceFailed, width, height);
        return false;
    }
    surface_ = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
    if (surface_ == nullptr) {
        std::fprintf(stderr, "%s%s\n", kSurfaceFailed, SDL_GetError());
        return false;
    }
    renderer_ = SDL_CreateSoftwareRenderer(surface_);
    if (renderer_ == nullptr) {
        std::fprintf(stderr, "%s%s\n", kRendererFailed, SDL_GetError());
        SDL_FreeSurface(surface_);
        surface_ = nullptr;
        return false;
    }
    ClearCanvas();
    return true;
}

void BarcodeBase::ClearCanvas() {
    if (renderer_ == nullptr) return;
    SDL_SetRenderDrawColor(renderer_, background_.r, background_.g, background_.b, background_.a);
    SDL_RenderClear(renderer_);
}

void BarcodeBase::FillRectRaster(float x, float y, float w, float h, Rgba colour) {
    if (renderer_ == nullptr) return;
    // Text copies switch the renderer to blending; bars always replace the pixels.
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(renderer_, colour.r, colour.g, colour.b, colour.a);
    // Cover the pixels whose centres lie in [x, x + w) x [y, y + h). The renderer's own float path
    // truncates position and width separately, which narrows and shifts fractional bars by up to a
    // pixel and makes fit-width symbols unreadable at some widths.
    const auto edge = [](float v) {
        return int(std::clamp(std::ceil(double(v) - 0.5), -1e9, 1e9));
    };
    const int left = edge(x), top = edge(y);
    const SDL_Rect rect{left, top, edge(x + w) - left, edge(y + h) - top};
    if (rect.w > 0 && rect.h > 0) SDL_RenderFillRect(renderer_, &rect);
}

void BarcodeBase::FillRect(float x, float y, float w, float h, Rgba colour) {
    if (IsSvgMode()) {
        svg_.Rect(x, y, w, h, colour);
    } else {
        FillRectRaster(x, y, w, h, colour);
    }
}

void BarcodeBase::PresentCanvas() {
    if (renderer_ != nullptr) SDL_RenderPresent(renderer_);
}

std::vector<uint8_t> BarcodeBase::GetImageData() {
    PresentCanvas();
    return EncodeSurface(surface_, IsJpegFormat(output_format_) ? ImageFormat::Jpeg : ImageFormat::Png);
}

std::string BarcodeBase::GetImageBase64() {
    if (IsSvgMode()) throw std::runtime_error("GetImageBase64() is not available in SVG mode. Use GetSvg() instead.");
    try {
        const std::vector<uint8_t> bytes = GetImageData();
        ReleaseCanvas();
        if (bytes.empty()) return kFallbackUri;
        const char* media = IsJpegFormat(output_format_) ? "image/jpeg" : "image/png";
        return std::string("data:") + media + ";base64," + Base64Encode(bytes.data(), bytes.size());
    } catch (const std::exception& e) {
        return std::string("Error: ") + e.what();
    }
}

std::string BarcodeBase::GetSvg() const {
    if (!IsSvgMode())
        throw std::runtime_error("GetSvg() requires SVG output mode. Use constructor with \"svg\" parameter.");
    return svg_.Document();
}
