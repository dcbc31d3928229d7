#pragma once
#include "core/model/encoded_symbol.h"
#include "symbologies/retail/ean_addon.h"

// Light-margin indicators of an EAN symbol without an add-on: EAN-13 '>' in the right quiet zone,
// EAN-8 '<' in the left and '>' in the right, each with its outer edge on the quiet zone's outer
// edge (GS1 General Specifications 5.2.3.4; zint puts them there too). They are Marker spans: the
// render step prints them only when asked. UPC symbols and symbols with an add-on get none here.
void AddLightMarginIndicators(EncodedSymbol& symbol, AddOnHost host);
