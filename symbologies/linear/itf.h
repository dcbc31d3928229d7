#pragma once
#include <string>

#include "core/classes/barcode_base_1d.h"

// Interleaved 2 of 5: digits only, an odd count gets a leading zero, no check digit.
ModuleWidths EncodeITF(const std::string& code);

class ITF : public BarcodeBase1D {
public:
    explicit ITF(std::string output_format) : BarcodeBase1D(std::move(output_format)) {}

protected:
    const char* Tag() const override { return "[ITF]"; }
    ModuleWidths EncodeBars(const std::string& code) override { return EncodeITF(code); }
};
