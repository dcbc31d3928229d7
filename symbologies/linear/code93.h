#pragma once
#include <string>

#include "core/classes/barcode_base_1d.h"
#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Code 93 with its two check characters C and K. The bytes "<", ">", "?" and "!" stand for the
// four shift characters ($), (%), (/), (+); there is no full-ASCII translation of our own.
ModuleWidths EncodeCode93(const std::string& code);
EncodedSymbol EncodeCode93Symbol(const std::string& text, const EncodeOptions& options);

class Code93 : public BarcodeBase1D {
public:
    explicit Code93(std::string output_format) : BarcodeBase1D(std::move(output_format)) {}

protected:
    const char* Tag() const override { return "[Code93]"; }
    ModuleWidths EncodeBars(const std::string& code) override { return EncodeCode93(code); }
};
