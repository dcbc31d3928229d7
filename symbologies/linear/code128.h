#pragma once
#include <string>
#include <vector>

#include "core/classes/barcode_base_1d.h"
#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Code set choice of a Code 128 symbol: one fixed set, or the shortest mix of sets.
enum class Code128Mode : int { kCodeA = 0, kCodeB = 1, kCodeC = 2, kAuto = 3 };

// Symbol values from the start value to the last data value (no check value, no stop).
std::vector<int> EncodeCode128Values(const std::string& text, Code128Mode mode);
// The complete symbol: start, data, check value and stop.
ModuleWidths EncodeCode128(const std::string& text, Code128Mode mode);
// `options.mode`: "auto", "A", "B" or "C".
EncodedSymbol EncodeCode128Symbol(const std::string& text, const EncodeOptions& options);

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
