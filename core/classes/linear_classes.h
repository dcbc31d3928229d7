#pragma once
#include <string>

#include "core/classes/barcode_base_1d.h"
#include "symbologies/linear/code128.h"
#include "symbologies/linear/code39.h"
#include "symbologies/linear/code93.h"
#include "symbologies/linear/itf.h"
#include "symbologies/linear/matrix2of5.h"
#include "symbologies/linear/nec2of5.h"
#include "symbologies/linear/nw7.h"

// The classes of the one-row symbologies with nothing of their own to draw: each names its encoder
// and tag, and some a setting of the printed text.

// A class with no setting of its own: its tag and encoder.
template <const char* kTag, ModuleWidths (*kEncode)(const std::string&)>
class PlainLinearBarcode : public BarcodeBase1D {
public:
    explicit PlainLinearBarcode(std::string output_format) : BarcodeBase1D(std::move(output_format)) {}

protected:
    const char* Tag() const override { return kTag; }
    ModuleWidths EncodeBars(const std::string& code) override { return kEncode(code); }
};

inline constexpr char kCode93Tag[] = "[Code93]";
inline constexpr char kITFTag[] = "[ITF]";
inline constexpr char kMatrix2of5Tag[] = "[Matrix2of5]";
inline constexpr char kNEC2of5Tag[] = "[NEC2of5]";
using Code93 = PlainLinearBarcode<kCode93Tag, EncodeCode93>;
using ITF = PlainLinearBarcode<kITFTag, EncodeITF>;
using Matrix2of5 = PlainLinearBarcode<kMatrix2of5Tag, EncodeMatrix2of5>;
using NEC2of5 = PlainLinearBarcode<kNEC2of5Tag, EncodeNEC2of5>;

class Code39 : public BarcodeBase1D {
public:
    explicit Code39(std::string output_format) : BarcodeBase1D(std::move(output_format)) {}

    void SetShowStartStop(bool show) { show_start_stop_ = show; }
    bool ShowStartStop() const { return show_start_stop_; }

protected:
    const char* Tag() const override { return "[Code39]"; }
    ModuleWidths EncodeBars(const std::string& code) override { return EncodeCode39(code); }
    std::string HumanText(const std::string& code) const override;

private:
    bool show_start_stop_ = true;
};

class Code128 : public BarcodeBase1D {
public:
    explicit Code128(std::string output_format) : BarcodeBase1D(std::move(output_format)) {}

    ModuleWidths Encode(const std::string& text) const { return EncodeCode128(text, mode_); }

    void SetCodeMode(Code128Mode mode) { mode_ = mode; }
    Code128Mode CodeMode() const { return mode_; }

protected:
    const char* Tag() const override { return "[Code128]"; }
    ModuleWidths EncodeBars(const std::string& code) override { return Encode(code); }

private:
    Code128Mode mode_ = Code128Mode::kAuto;
};

class NW7 : public BarcodeBase1D {
public:
    explicit NW7(std::string output_format) : BarcodeBase1D(std::move(output_format)) {}

    void SetShowStartStop(bool show) { show_start_stop_ = show; }
    bool ShowStartStop() const { return show_start_stop_; }
    std::string HumanText(const std::string& code) const override { return NW7HumanText(code, show_start_stop_); }

protected:
    const char* Tag() const override { return "[NW7]"; }
    ModuleWidths EncodeBars(const std::string& code) override { return EncodeNW7(code); }
    // Raster bars are whole pixels before the pixel adjustment, so they keep crisp edges even with
    // fit width on; SVG keeps the fractional widths.
    bool WholePixelBars(const Painter& painter) const override { return !painter.Vector(); }

private:
    bool show_start_stop_ = true;
};
