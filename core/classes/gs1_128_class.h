#pragma once
#include <string>
#include <vector>

#include "core/classes/barcode_base_1d.h"
#include "gs1/element_string.h"
#include "symbologies/linear/gs1_128.h"

class GS1_128 : public BarcodeBase1D {
public:
    explicit GS1_128(std::string output_format);

    bool DrawConvenience(const std::string& code, int x, int y, int width, int height);
    bool DrawConvenienceSvg(const std::string& code, int x, int y, int width, int height);

protected:
    const char* Tag() const override { return "[GS1-128]"; }
    ModuleWidths EncodeBars(const std::string& code) override { return EncodeGS1_128(GS1MarkedCodes(code, false)); }
    std::string HumanText(const std::string& code) const override;

private:
    void PaintConvenienceRaster(Painter& painter, const ModuleWidths& widths, const std::vector<std::string>& lines,
                                int x, int y, int width, int height) const;
    void PaintConvenienceVector(Painter& painter, const ModuleWidths& widths, const std::vector<std::string>& lines,
                                int x, int y, int width, int height) const;
};
