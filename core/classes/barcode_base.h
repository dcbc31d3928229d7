#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "core/raster/color.h"
#include "core/render/painter.h"
#include "core/raster/raster_canvas.h"
#include "core/render/svg_writer.h"

class IBarcodeSymbology {
public:
    virtual void SetForegroundColor(int r, int g, int b, int a) = 0;
    virtual void SetBackgroundColor(int r, int g, int b, int a) = 0;
    virtual bool Draw(const std::string& code, int x, int y, int width, int height) = 0;
    virtual std::vector<uint8_t> GetImageData() = 0;
    virtual std::string GetImageBase64() = 0;
    virtual ~IBarcodeSymbology() = default;
};

// Light pixels at the sides of a symbol area that count towards its quiet zone (the margins
// EAN/UPC keep for the digits printed outside the bars).
struct LightSides {
    int left = 0;
    int right = 0;
};

// Quiet zone around a symbol, in modules.
struct QuietZone {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Presentation settings, output-format modes, the raster canvas and its PNG/JPEG/data-URI output,
// the SVG document, the shared draw frame and failure reporting of every symbology.
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
    // Pixels per module, 0 for the size-driven layout; the symbol then takes the size it needs.
    void SetModuleSize(int pixels) { module_size_ = pixels > 0 ? pixels : 0; }
    void SetQuietZone(QuietZone zone);
    // False: failures are kept for LastError() only, nothing is written to standard error.
    void SetReportErrors(bool report) { report_errors_ = report; }
    void SetDpi(int dpi) { dpi_ = dpi > 0 ? dpi : 0; }

    const std::string& OutputFormat() const { return output_format_; }
    Rgba ForegroundColor() const { return foreground_; }
    Rgba BackgroundColor() const { return background_; }
    bool FitWidth() const { return fit_width_ && module_size_ == 0; }
    int PxAdjustBlack() const { return px_adjust_black_; }
    int PxAdjustWhite() const { return px_adjust_white_; }
    int ModuleSize() const { return module_size_; }
    const QuietZone& Quiet() const { return quiet_zone_; }
    int Dpi() const { return dpi_; }
    // The last failed draw's message in UTF-8; empty after a draw that succeeded.
    const std::string& LastError() const { return last_error_; }

    // Modules across and module rows of what `code` encodes to with the current settings; throws
    // what the encoder throws for data it refuses.
    virtual std::pair<int, int> SymbolSize(const std::string& code) = 0;

    bool IsSvgMode() const;
    bool IsRasterMode() const;  // "png", "jpg" or "jpeg"
    // Creates a fresh width x height canvas cleared with the background colour. In a format that
    // selects no mode it drops any earlier canvas and returns true, so the draw then fails for lack
    // of a canvas instead of drawing into one of an old size.
    bool PrepareCanvas(int width, int height);
    std::string GetSvg() const;
    // The size of the last canvas or SVG document.
    int OutputWidth() const;
    int OutputHeight() const;

    // Held by a caller from a draw to the fetch of its result, so that concurrent callers of one
    // object each get the result of their own draw.
    std::mutex& DrawMutex() { return draw_mutex_; }

protected:
    bool HasCanvas() const { return canvas_ != nullptr; }
    const RasterCanvas* Canvas() const { return canvas_.get(); }
    // False, with the canvas message, when a raster canvas of this size cannot be made.
    bool CanvasSizeUsable(int width, int height);
    // The output of one draw: a canvas (raster) or document (SVG) of the symbol area plus the quiet
    // zone at `module_x` x `module_y` pixels per module (less the light sides already in the area),
    // background filled, and `paint` given the painter with its origin at the symbol area. False
    // when no canvas can be made.
    bool PaintOutput(int width, int height, double module_x, double module_y,
                     const std::function<void(Painter&)>& paint, LightSides light = LightSides());
    // Records a failed draw and writes "<tag> <message>" to standard error unless told not to.
    void ReportFailure(const std::string& tag, const std::string& message);
    // Writes one line to standard error unless told not to: the one channel of every diagnostic.
    void ReportNotice(const std::string& line) const;
    // Records a failed draw that is not reported on standard error (the class says why otherwise).
    void RecordFailure(const std::string& tag, const std::string& message);
    void ClearFailure() { last_error_.clear(); }
    void ReleaseCanvas();

    SvgWriter svg_;
    int canvas_width_ = 0;
    int canvas_height_ = 0;

private:
    Rgba foreground_{0, 0, 0, 255};
    Rgba background_{255, 255, 255, 255};
    std::string output_format_;
    std::unique_ptr<RasterCanvas> canvas_;
    std::vector<uint32_t> spare_pixels_;  // the memory of the last canvas, for the next
    bool fit_width_ = false;
    int32_t px_adjust_black_ = 0;
    int32_t px_adjust_white_ = 0;
    int module_size_ = 0;
    QuietZone quiet_zone_;
    bool report_errors_ = true;
    int dpi_ = 0;
    std::string last_error_;
    std::mutex draw_mutex_;
};
