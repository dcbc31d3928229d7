#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/color.h"
#include "core/svg_writer.h"

struct SDL_Renderer;
struct SDL_Surface;

class IBarcodeSymbology {
public:
    virtual void SetForegroundColor(int r, int g, int b, int a) = 0;
    virtual void SetBackgroundColor(int r, int g, int b, int a) = 0;
    virtual bool Draw(const std::string& code, int x, int y, int width, int height) = 0;
    virtual std::vector<uint8_t> GetImageData() = 0;
    virtual std::string GetImageBase64() = 0;
    virtual ~IBarcodeSymbology() = default;
};

// Presentation settings, output-format modes, the raster canvas and its PNG/JPEG/data-URI output,
// and the SVG document shared by every symbology.
class BarcodeBase : public IBarcodeSymbology {
public:
    explicit BarcodeBase(std::string output_format);
    BarcodeBase(const BarcodeBase&) = delete;
    BarcodeBase& operator=(const BarcodeBase&) = delete;
    ~BarcodeBase() override;

    void SetForegroundColor(int r, int g, int b, int a) override;
    void SetBackgroundColor(int r, int g, int b, int a) override;
    std::vector<uint8_t> GetImageData() override;
    std::string GetImageBase64() override;
    virtual bool DrawSvg(const std::string& code, int x, int y, int width, int height);

    void SetOutputFormat(const std::string& format) { output_format_ = format; }
    void SetFitWidth(bool fit) { fit_width_ = fit; }
    void SetPxAdjustBlack(int adjust) { px_adjust_black_ = adjust; }
    void SetPxAdjustWhite(int adjust) { px_adjust_white_ = adjust; }

    const std::string& OutputFormat() const { return output_format_; }
    Rgba ForegroundColor() const { return foreground_; }
    Rgba BackgroundColor() const { return background_; }
    bool FitWidth() const { return fit_width_; }
    int PxAdjustBlack() const { return px_adjust_black_; }
    int PxAdjustWhite() const { return px_adjust_white_; }

    bool IsSvgMode() const;
    bool IsRasterMode() const;  // "png", "jpg" or "jpeg"
    // Creates a fresh width x height canvas cleared with the background colour. In a format that
    // selects no mode it drops any earlier canvas and returns true, so the draw then fails for lack
    // of a renderer instead of drawing into a canvas of an old size.
    bool PrepareCanvas(int width, int height);
    std::string GetSvg() const;

protected:
    bool HasCanvas() const { return renderer_ != nullptr; }
    SDL_Renderer* Renderer() const { return renderer_; }
    SDL_Surface* Surface() const { return surface_; }
    // Raster: clear the whole canvas with the background colour.
    void ClearCanvas();
    // Raster: fill a rectangle with no blending (the colour replaces the pixels); pixel centres
    // inside it are covered.
    void FillRectRaster(float x, float y, float w, float h, Rgba colour);
    void PresentCanvas();
    // Fill a rectangle in whichever mode the object is in: SVG element or raster pixels.
    void FillRect(float x, float y, float w, float h, Rgba colour);
    void ReleaseCanvas();

    SvgWriter svg_;
    int canvas_width_ = 0;
    int canvas_height_ = 0;

private:
    Rgba foreground_{0, 0, 0, 255};
    Rgba background_{255, 255, 255, 255};
    SDL_Renderer* renderer_ = nullptr;
    std::string output_format_;
    SDL_Surface* surface_ = nullptr;
    bool fit_width_ = false;
    int32_t px_adjust_black_ = 0;
    int32_t px_adjust_white_ = 0;
};
