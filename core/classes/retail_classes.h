#pragma once
#include <string>
#include <utility>

#include "core/classes/ean_upc_layout.h"
#include "symbologies/retail/jan13.h"
#include "symbologies/retail/jan8.h"
#include "symbologies/retail/upc_a.h"
#include "symbologies/retail/upc_e.h"

// The EAN/UPC classes: each hands the shared retail drawing its encoder and layout.
template <const EanUpcSymbology& kSymbology>
class RetailBarcode : public EanUpcBarcode {
public:
    explicit RetailBarcode(std::string output_format) : EanUpcBarcode(std::move(output_format), kSymbology) {}
};

inline constexpr EanUpcSymbology kJan13{
    "[Jan13]", &CompleteJan13, &EncodeJan13,
    {3, 45, 50, 92},  // start guard | digits 2-7 | centre guard | digits 8-13 | end guard
    0.8f * 1.2f, false, 0.275f,
    2, {{1, 6, 0, 1}, {7, 6, 2, 3}}, 0.0f,
    true, false, false,
};

inline constexpr EanUpcSymbology kJan8{
    "[Jan8]", &CompleteJan8, &EncodeJan8,
    {3, 31, 36, 64},  // start guard | digits 1-4 | centre guard | digits 5-8 | end guard
    0.0f, false, 0.275f,
    2, {{0, 4, 0, 1}, {4, 4, 2, 3}}, 0.0f,
    false, false, true,
};

// The first and last digits sit in the tall zones with the guards, printed outside the bars.
inline constexpr EanUpcSymbology kUpcA{
    "[UpcA]", &CompleteUpcA, &EncodeUpcA,
    {10, 46, 49, 85},  // guard and digit 1 | digits 2-6 | centre bars | digits 7-11 | digit 12 and guard
    0.8f, true, 0.495f,
    2, {{1, 5, 0, 1}, {6, 5, 2, 3}}, 0.0f,
    true, true, false,
};

// One group of six digits over the data modules, pulled in by half the margin on either side; the
// number system and check digits are printed outside the bars.
inline constexpr EanUpcSymbology kUpcE{
    "[UpcE]", &CompleteUpcE, &EncodeUPCE,
    {3, 45, 45, 45},  // start guard | six digits | end guard
    0.8f, true, 0.495f,
    1, {{1, 6, 0, 1}, {}}, 0.5f,
    true, true, false,
};

using Jan13 = RetailBarcode<kJan13>;
using Jan8 = RetailBarcode<kJan8>;
using UpcA = RetailBarcode<kUpcA>;
using UpcE = RetailBarcode<kUpcE>;
