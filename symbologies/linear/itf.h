#pragma once
#include <string>

#include "core/classes/barcode_base_1d.h"
#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Interleaved 2 of 5: digits only, an odd count gets a leading zero, no check digit.
ModuleWidths EncodeITF(const std::string& code);
EncodedSymbol EncodeITFSymbol(const std::string& text, const EncodeOptions& options);

class ITF : public BarcodeBase1D {
public:
    explicit ITF(std::string output_format) : BarcodeBase1D(std::move(output_format)) {}

protected:
    const char* Tag() const override { return "[ITF]"; }
    ModuleWidths EncodeBars(const std::string& code) override { return EncodeITF(code); }
};
