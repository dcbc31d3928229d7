#pragma once
#include <string>

#include "core/classes/barcode_base_1d.h"
#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// NW-7 (Codabar): wide elements of 3 modules, a 2-module gap between characters, no check
// character. A text without start/stop characters gets "C" at both ends.
ModuleWidths EncodeNW7(const std::string& code);
// The printed line: the code as given, without its start/stop characters when they are hidden.
std::string NW7HumanText(const std::string& code, bool show_start_stop);
EncodedSymbol EncodeNW7Symbol(const std::string& text, const EncodeOptions& options);

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
