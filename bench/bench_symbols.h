#pragma once
#include <string>

#include "core/model/encoded_symbol.h"

// The benchmark's symbols as the render step takes them, built from the classes' encoders while
// not every symbology makes an EncodedSymbol of its own yet. Each carries the quiet zone and the
// text that libzint draws for the same symbol, so the two images have the same pixels per module.
enum class BenchSymbology { Code128 = 0, Ean13 = 1, Qr = 2, DataMatrix = 3, Pdf417 = 4 };

EncodedSymbol BenchSymbol(BenchSymbology symbology, const std::string& text);
