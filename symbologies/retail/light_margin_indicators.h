#pragma once
#include "core/model/encoded_symbol.h"
#include "symbologies/retail/ean_addon.h"

// Light-margin indicators of EAN symbols: EAN-13 '>' in the right quiet zone, EAN-8 '<' in the
// left and '>' in the right, each with its outer edge on the quiet zone's outer edge (GS1 General
// Specifications 5.2.3.4; zint puts them there too). They are Marker spans: the render step prints
// them only when asked. UPC symbols have none.
void AddLightMarginIndicators(EncodedSymbol& symbol, AddOnHost host);

// Before an add-on is appended: the right indicator would stand in the gap between the symbol and
// its add-on, so it goes.
void DropRightIndicator(EncodedSymbol& symbol);
