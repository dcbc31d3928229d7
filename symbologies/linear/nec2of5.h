#pragma once
#include <string>

#include "core/classes/barcode_base_1d.h"
#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// NEC 2 of 5: the Matrix 2 of 5 layout under its own name and messages.
ModuleWidths EncodeNEC2of5(const std::string& code);
EncodedSymbol EncodeNEC2of5Symbol(const std::string& text, const EncodeOptions& options);

class NEC2of5 : public BarcodeBase1D {
public:
    explicit NEC2of5(std::string output_format) : BarcodeBase1D(std::move(output_format)) {}

protected:
    const char* Tag() const override { return "[NEC2of5]"; }
    ModuleWidths EncodeBars(const std::string& code) override { return EncodeNEC2of5(code); }
};
