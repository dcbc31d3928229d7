#pragma once
#include <string>

#include "core/classes/barcode_base_1d.h"
#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Code 39 with the "*" start/stop; no check character.
ModuleWidths EncodeCode39(const std::string& code);
// Start, `characters` (each one of Code 39's 43, upper case, no '*': callers check), stop; wide
// elements `wide` modules, narrow ones 1.
ModuleWidths Code39Widths(const std::string& characters, int wide);
// The printed line: the code, between "*" when the start/stop characters are shown.
std::string Code39HumanText(const std::string& code, bool show_start_stop);
EncodedSymbol EncodeCode39Symbol(const std::string& text, const EncodeOptions& options);

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
