#pragma once
#include <string>

#include "core/classes/barcode_base_1d.h"
#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Bar shapes of the Japan Post customer barcode, one character per bar.
constexpr char kYubinLongBar = '1';    // full height
constexpr char kYubinUpperBar = '2';   // top two thirds
constexpr char kYubinLowerBar = '3';   // bottom two thirds
constexpr char kYubinTimingBar = '4';  // middle third
constexpr int kYubinBarCount = 67;

// The 67 bar shapes of the customer barcode for an address text: start, 20 data positions
// (digits and hyphen take one, letters two; CC4 fills the rest), the modulo-19 check character,
// stop. Lower-case letters count as upper-case, characters outside 0-9, A-Z and "-" are dropped,
// and data past the 20th position is cut; a letter whose first half lands on the 20th position
// leaves only its control code there. Never fails.
std::string EncodeYubinCustomer(const std::string& text);

// The seven-digit postal code, then the address number (digits, A-Z in either case, "-"; a letter
// takes two of the 20 data positions). Bars one module wide, one apart; three bands two modules
// high: the long and upper bars fill the top band, every bar the middle one, long and lower bars
// the bottom one.
EncodedSymbol EncodeJapanPostSymbol(const std::string& text, const EncodeOptions& options);

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
