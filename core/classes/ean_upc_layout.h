#pragma once
#include <string>
#include <utility>

#include "core/classes/barcode_base_1d.h"

// One group of human-readable digits printed between the guards in the extended-guard form.
struct EanUpcDigitGroup {
    int first;       // index of its first digit in the completed code
    int count;
    int begin_edge;  // the zone edges (indices into zone_edges) whose x positions bound the group
    int end_edge;
};

// Everything that tells one EAN/UPC symbology from another: validation and encoding, and where the
// extended-guard form puts tall bars, side margins and digits.
struct EanUpcSymbology {
    const char* tag;
    std::string (*complete)(const std::string& code);  // the validated code with its check digit
    ModuleWidths (*encode)(const std::string& completed);
    // Module positions where the extended form alternates bar heights: tall before edge 0, normal up
    // to edge 1, tall up to edge 2, normal up to edge 3, tall from there to the end.
    int zone_edges[4];
    float margin_factor;  // side margin as a fraction of t = height x 0.2 x font scale; 0 for none
    bool right_margin;    // a margin on the right too (for the trailing digit)
    float guard_factor;   // how far guards reach below the other bars, as a fraction of t
    int group_count;
    EanUpcDigitGroup groups[2];
    float group_inset;          // groups are pulled in from their edges by this fraction of the margin
    bool leading_digit;         // the first digit is printed left of the bars
    bool trailing_digit;        // the last digit is printed right of the bars
    bool raster_text_below_gap; // raster digits start below the text gap, not right at the bar bottom
};

// The drawing shared by the retail symbologies: the plain form (bars of one height, the completed
// code under them as ordinary text) and the extended-guard form.
class EanUpcBarcode : public BarcodeBase1D {
public:
    void SetExtendedGuard(bool extended) { extended_guard_ = extended; }
    bool ExtendedGuard() const { return extended_guard_; }

protected:
    EanUpcBarcode(std::string output_format, const EanUpcSymbology& symbology)
        : BarcodeBase1D(std::move(output_format)), symbology_(symbology) {}

    const char* Tag() const override { return symbology_.tag; }
    ModuleWidths EncodeBars(const std::string& code) override { return symbology_.encode(symbology_.complete(code)); }
    bool PaintSymbol(const std::string& code, int x, int y, int width, int height) override;

private:
    struct DigitPen;

    // Side margin of the extended form, for the digits printed outside the bars.
    float ExtendedMargin(int width, int height) const;
    void PaintExtended(Painter& painter, const ModuleWidths& widths, const std::string& digits, float margin,
                       float scale, int x0, int y0, int height);
    void PlaceDigits(Painter& painter, const std::string& digits, const float edge_x[4], float margin,
                     const DigitPen& pen) const;
    void PlaceRasterDigits(Painter& painter, const std::string& digits, const float edge_x[4], float margin,
                           float bars_end, int x0, int y0, int height) const;
    void PlaceVectorDigits(Painter& painter, const std::string& digits, const float edge_x[4], float margin,
                           float bars_end, int x0, int y0, int height) const;

    const EanUpcSymbology& symbology_;
    bool extended_guard_ = true;
};
