#pragma once
#include <string>
#include <vector>

#include "core/model/encoded_symbol.h"

// Postal bars, one character per bar, as the postal standards name them: D descender, A ascender,
// F full, T tracker. Height-modulated codes (POSTNET, PLANET) use F for a tall bar and T for a
// short one (a short bar stands on the baseline).
constexpr char kDescender = 'D';
constexpr char kAscender = 'A';
constexpr char kFullBar = 'F';
constexpr char kTracker = 'T';

// A horizontal band of the symbol: the bar kinds that cross it, and its height in modules.
struct PostalBand {
    const char* kinds;
    double height;
};

// Heights in modules of the three bands of a four-state code, top to bottom.
struct FourStateHeights {
    double ascender;
    double tracker;
    double descender;
};

// Bars one module wide and one module apart, so a symbol of n bars is 2n - 1 modules across; each
// band a row of the symbol (SymbolShape::Postal). No text is printed under postal codes.
EncodedSymbol PostalSymbol(const std::string& bars, const std::vector<PostalBand>& bands, ModuleMargins quiet_zone,
                           std::string full_text);

// A four-state code: ascender band (A, F), tracker band (every bar), descender band (D, F).
EncodedSymbol FourStateSymbol(const std::string& bars, const FourStateHeights& heights, ModuleMargins quiet_zone,
                              std::string full_text);

// Modules in `mm` at a module width of `x_mm`, for heights the standards give in mm or inches.
constexpr double ModulesOf(double mm, double x_mm) { return mm / x_mm; }
constexpr double kMmPerInch = 25.4;

// The quiet zone a standard gives in mm, in whole modules (rounded up) at a module of `x_mm`.
ModuleMargins QuietZoneOf(double side_mm, double above_below_mm, double x_mm);
