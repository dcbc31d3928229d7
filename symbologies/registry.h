#pragma once
#include <string>
#include <vector>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/option_entry.h"

// The encode step of every symbology behind one name: text and options in, an encoded symbol out.
// Each encoder validates the options it reads and raises EncodeError; the others it ignores. An
// EncodeError's position is the index, in code points, of the offending character in `text`.
EncodedSymbol Encode(const std::string& symbology, const std::string& text, const EncodeOptions& options);

using EncodeFunction = EncodedSymbol (*)(const std::string& text, const EncodeOptions& options);

// What every edge tells users of a symbology, and the options it takes (the only list of them).
struct SymbologyEntry {
    std::string name;
    EncodeFunction encode = nullptr;
    std::string title;
    std::string quiet_zone_source;  // the standard's clause its quiet zone comes from
    std::string example;            // data it encodes (the gallery's, and what reads its defaults)
    int default_scale = 2;          // pixels per module when the caller gives no size
    std::vector<std::string> aliases;
    std::string digital_link_as;    // the name a GS1 Digital Link URI is encoded as ("" none)
    // The module width in mm its standard prints at (postal codes: half the bar pitch), taken when
    // the caller gives no size; 0 none.
    double x_dim_mm = 0.0;
    std::vector<OptionEntry> options;
};

// Every symbology Encode takes, in the order they are listed to users.
const std::vector<SymbologyEntry>& Symbologies();
// Their names, in the same order.
const std::vector<std::string>& EncodableSymbologies();
