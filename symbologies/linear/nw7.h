#pragma once
#include <string>

#include "core/barcode_base_1d.h"

// NW-7 (Codabar): wide elements of 3 modules, a 2-module gap between characters, no check
// character. A text without start/stop characters gets "C" at both ends.
ModuleWidths EncodeNW7(const std::string& code);

class NW7 : public BarcodeBase1D {
public:
    explicit NW7(std::string output_format) : BarcodeBase1D(std::move(output_format)) {}

    bool Draw(const std::string& code, int x, int y, int width, int height) override;
    bool DrawSvg(const std::string& code, int x, int y, int width, int height) override;

    void SetShowStartStop(bool show) { show_start_stop_ = show; }
    bool ShowStartStop() const { return show_start_stop_; }
    // The human-readable line: the code as given, without its start/stop characters when they are hidden.
    std::string HumanText(const std::string& code) const;

protected:
    // Raster bar pass in which every element is a whole number of pixels before the pixel
    // adjustment, so bars keep crisp edges even with fit width on. Returns the drawn width.
    virtual int DrawWholePixelBars(const ModuleWidths& widths, int x0, int y0, int width);

private:
    bool DrawSymbol(const std::string& code, int x, int y, int width, int height);

    bool show_start_stop_ = true;
};
