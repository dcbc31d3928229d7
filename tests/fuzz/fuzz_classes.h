// Every symbology class as the fuzz targets and the concurrency test drive it: how to make one, a
// valid input, how each draw entry of the Python layer reaches it, and its own setters.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/classes/barcode_base.h"

// Supplies values to the class's own setters: the fuzzer's bytes, or fixed picks in the tests.
class SettingSource {
public:
    virtual ~SettingSource() = default;
    virtual int Int(int low, int high) = 0;  // low..high inclusive
    virtual bool Bool() = 0;
    virtual double Real() = 0;  // any double, NaN and infinities included
    virtual std::string Text() = 0;
    template <typename T, size_t N>
    const T& Pick(const T (&choices)[N]) { return choices[Int(0, int(N) - 1)]; }
};

struct FuzzClass {
    const char* name;
    const char* sample;  // a valid input, so that settings reach the drawing
    std::unique_ptr<BarcodeBase> (*make)(const std::string& output_format);
    // The Python draw entries: alternate selects the second one a class has (draw_rect of the 2D
    // classes, draw_convenience of GS1-128, draw_with_width of the Japan Post barcode).
    bool (*draw)(BarcodeBase& symbol, const std::string& code, int width, int height, bool alternate);
    // The class's own setters, with the values its Python setters can pass down.
    void (*set_own)(BarcodeBase& symbol, SettingSource& in);
    bool throws;  // QR and PDF417 report bad input by exception; every other class returns false
};

const std::vector<FuzzClass>& FuzzClasses();

// The setters every class shares (colours, output format, fit width, pixel adjustment, text).
void SetCommon(BarcodeBase& symbol, SettingSource& in);

// The output of a successful draw, fetched the way the Python layer does.
std::string FetchResult(BarcodeBase& symbol, bool as_data_uri);
