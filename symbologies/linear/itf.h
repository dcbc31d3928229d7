#pragma once
#include <string>

#include "core/barcode_base_1d.h"

// Interleaved 2 of 5: digits only, an odd count gets a leading zero, no check digit.
ModuleWidths EncodeITF(const std::string& code);

class ITF : public BarcodeBase1D {
public:
    explicit ITF(std::string output_format) : BarcodeBase1D(std::move(output_format)) {}

    bool Draw(const std::string& code, int x, int y, int width, int height) override;
    bool DrawSvg(const std::string& code, int x, int y, int width, int height) override;

private:
    bool DrawSymbol(const std::string& code, int x, int y, int width, int height);
};
