#pragma once
#include <string>
#include <utility>

#include "core/classes/barcode_base_1d.h"
#include "symbologies/postal/yubin_customer.h"

// The customer barcode drawn from its height alone: bar pitch H/3, bar width H/6 (plus the black
// pixel adjustment), no text. Invalid input returns false without any message.
class YubinCustomer : public BarcodeBase1D {
public:
    explicit YubinCustomer(std::string output_format) : BarcodeBase1D(std::move(output_format)) {}

    // Draws a symbol `height` pixels high on a canvas as wide as WidthForHeight(height).
    bool DrawByHeight(const std::string& text, int x, int y, int height);

    // Image width for a symbol `height` pixels high: 67 bar pitches plus one bar width, plus one.
    static int WidthForHeight(int height);
    // Tallest symbol whose image width still fits an int.
    static constexpr int kMaxHeight = 1 << 26;

    // A module is one bar width, H/6: 2 x 67 - 1 across, 6 high.
    std::pair<int, int> SymbolSize(const std::string& text) override;

protected:
    const char* Tag() const override { return "[YubinCustomer]"; }
    // The width argument is ignored: the geometry follows from the height (or the module size).
    bool PaintSymbol(const std::string& text, int x, int y, int width, int height) override;

private:
    void PaintBars(Painter& painter, const std::string& bars, float x0, float y0, float height) const;
};
