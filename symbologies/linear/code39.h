#pragma once
#include <string>

#include "core/barcode_base_1d.h"

// Code 39 with the "*" start/stop; no check character.
ModuleWidths EncodeCode39(const std::string& code);

class Code39 : public BarcodeBase1D {
public:
    explicit Code39(std::string output_format) : BarcodeBase1D(std::move(output_format)) {}

    bool Draw(const std::string& code, int x, int y, int width, int height) override;
    bool DrawSvg(const std::string& code, int x, int y, int width, int height) override;

    void SetShowStartStop(bool show) { show_start_stop_ = show; }
    bool ShowStartStop() const { return show_start_stop_; }

private:
    bool Render(const std::string& code, int x, int y, int width, int height);

    bool show_start_stop_ = true;
};
