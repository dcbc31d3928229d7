#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "gs1/element_string.h"

// The linear part of a composite symbol: the carrier's rows marked as linked to a component
// above, the separator rows between the two, and where each part goes across.

// The linked carrier as a symbol of its own (separator rows first, then the carrier's rows, its
// human-readable text and quiet zone, x from the part's left edge), and where the parts go.
struct LinearPart {
    EncodedSymbol symbol;
    int columns = 4;  // data columns of the component above it
    // Where the parts go: the first module of the component and of the linear rows.
    int component_x = 0;
    int linear_x = 0;
    int component_x_b = -1;  // the same for a CC-B, -1 when it goes where a CC-A goes
    int linear_x_b = -1;
};

// Every carrier but GS1-128: ean13, ean8, upca, upce (an add-on, in the text or options.addon,
// follows the main symbol), databar, databar-stacked, databar-stacked-omni, databar-limited (the
// GTIN in `primary`), databar-expanded, databar-expanded-stacked (`elements`, read from
// `primary`). Throws EncodeError (InvalidOption) for another name, the carriers' own errors for
// their data.
LinearPart LinkedLinear(const std::string& carrier, const std::string& primary,
                        const std::vector<GS1Element>& elements, const EncodeOptions& options);

// GS1-128 is built in two steps, as its width sets the CC-C's and the component's width its
// alignment: the symbol values of the primary element string (start value first, no linkage
// character, check value or stop), the modules those take once finished, then the part under a
// component of `component_type` ('A', 'B' or 'C') `component_width` modules wide, `text` under it.
std::vector<int> Gs1128Values(const std::vector<GS1Element>& elements);
int Gs1128Width(const std::vector<int>& values);
LinearPart LinkedGs1128(std::vector<int> values, char component_type, int component_width,
                        const std::string& text);
