#include "core/classes/barcode_base.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "core/codec/base64.h"
#include "core/codec/image_encoder.h"
#include "core/model/encode_error.h"
#include "core/render/raster_painter.h"
#include "core/render/svg_painter.h"
#include "core/text_encoding/shift_jis.h"

namespace {

// Canvas failure message, in Shift-JIS like every Japanese message of the library:
// "サーフェス作成に失敗: ".
constexpr char kSurfaceFailed[] = "\x83T\x81[\x83t\x83" "F\x83X\x8D\xEC\x90\xAC\x82\xC9\x8E\xB8\x94s: ";

constexpr char kFallbackUri[] =
    "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVQI12P4//8/AAX+Av7czFnnAAAAAElFTkSuQmCC";

bool IsJpegFormat(const std::string& format) { return format == "jpg" || format == "jpeg"; }

// Quiet zones are whole pixels, so the symbol keeps its pixel grid.
int MarginPixels(int modules, double module_pixels) {
    return int(std::clamp(std::round(double(modules) * module_pixels), 0.0, 1e9));
}

}  // namespace

BarcodeBase::BarcodeBase(std::string output_format) : output_format_(std::move(output_format)) {}

BarcodeBase::~BarcodeBase() = default;

void BarcodeBase::SetForegroundColor(int r, int g, int b, int a) {
    foreground_ = {uint8_t(r), uint8_t(g), uint8_t(b), uint8_t(a)};
}

void BarcodeBase::SetBackgroundColor(int r, int g, int b, int a) {
    background_ = {uint8_t(r), uint8_t(g), uint8_t(b), uint8_t(a)};
}

void BarcodeBase::SetQuietZone(QuietZone zone) {
    const auto bounded = [](int modules) { return std::clamp(modules, 0, 1000); };
    quiet_zone_.left = bounded(zone.left);
    quiet_zone_.top = bounded(zone.top);
    quiet_zone_.right = bounded(zone.right);
    quiet_zone_.bottom = bounded(zone.bottom);
}

bool BarcodeBase::DrawSvg(const std::string&, int, int, int, int) { return false; }

bool BarcodeBase::IsSvgMode() const { return output_format_ == "svg" || output_format_ == "SVG"; }

bool BarcodeBase::IsRasterMode() const { return output_format_ == "png" || IsJpegFormat(output_format_); }

bool BarcodeBase::CanvasSizeUsable(int width, int height) {
    // Sizes the image writers cannot take: nothing to draw on, or more than 2 GiB of pixels.
    if (width > 0 && height > 0 && 4LL * width * height + 1024000 <= 0x7FFFFFFFLL) return true;
    ReportFailure("", std::string(kSurfaceFailed) + "invalid canvas size " + std::to_string(width) + "x" +
                          std::to_string(height));
    return false;
}

void BarcodeBase::ReleaseCanvas() {
    if (canvas_ != nullptr) spare_pixels_ = canvas_->TakeStorage();
    canvas_.reset();
}

bool BarcodeBase::PrepareCanvas(int width, int height) {
    canvas_width_ = width;
    canvas_height_ = height;
    ReleaseCanvas();
    if (!IsRasterMode()) return true;
    if (!CanvasSizeUsable(width, height)) return false;
    // A much larger memory than needed is let go rather than kept for ever.
    if (spare_pixels_.capacity() > 4 * size_t(width) * size_t(height) + 65536) spare_pixels_ = {};
    canvas_ = std::make_unique<RasterCanvas>(width, height, background_, std::move(spare_pixels_));
    return true;
}

bool BarcodeBase::PaintOutput(int width, int height, double module_x, double module_y,
                              const std::function<void(Painter&)>& paint, LightSides light) {
    const int left = std::max(0, MarginPixels(quiet_zone_.left, module_x) - light.left);
    const int right = std::max(0, MarginPixels(quiet_zone_.right, module_x) - light.right);
    const int top = MarginPixels(quiet_zone_.top, module_y), bottom = MarginPixels(quiet_zone_.bottom, module_y);
    const long long total_w = (long long)width + left + right, total_h = (long long)height + top + bottom;
    if (IsSvgMode()) {
        svg_.Begin(int(std::min(total_w, 2000000000LL)), int(std::min(total_h, 2000000000LL)));
        svg_.Rect(0, 0, double(svg_.Width()), double(svg_.Height()), background_);
        SvgPainter painter(svg_, left, top);
        paint(painter);
        svg_.End();
        return true;
    }
    if (total_w > 0x7FFFFFFF || total_h > 0x7FFFFFFF) return CanvasSizeUsable(-1, -1);
    if (!PrepareCanvas(int(total_w), int(total_h)) || !HasCanvas()) return false;
    RasterPainter painter(*canvas_, left, top);
    paint(painter);
    painter.Finish();
    for (const std::string& note : painter.Notes()) ReportNotice(note);
    return true;
}

void BarcodeBase::RecordFailure(const std::string& tag, const std::string& message) {
    const std::string line = tag.empty() ? message : tag + " " + message;
    // Canvas messages are Shift-JIS; the kept copy is UTF-8 for callers that decode it.
    last_error_ = ConvertStringEncoding(line, "utf-8");
}

void BarcodeBase::ReportFailure(const std::string& tag, const std::string& message) {
    RecordFailure(tag, message);
    ReportNotice(tag.empty() ? message : tag + " " + message);
}

void BarcodeBase::ReportNotice(const std::string& line) const {
    if (!report_errors_) return;
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

int BarcodeBase::OutputWidth() const {
    if (IsSvgMode()) return int(svg_.Width());
    return canvas_ ? canvas_->Width() : 0;
}

int BarcodeBase::OutputHeight() const {
    if (IsSvgMode()) return int(svg_.Height());
    return canvas_ ? canvas_->Height() : 0;
}

std::vector<uint8_t> BarcodeBase::GetImageData() {
    if (canvas_ == nullptr) return {};
    try {
        return EncodeCanvas(*canvas_, IsJpegFormat(output_format_) ? ImageFormat::Jpeg : ImageFormat::Png, dpi_);
    } catch (const EncodeError&) {
        return {};  // the classes report every failure to encode as no bytes
    }
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
