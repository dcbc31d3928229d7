#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// UPN QR, the Slovenian payment slip's QR Code: version 15 at level M, the text in ISO-8859-2 behind
// ECI 4, in one byte segment, as the UPN QR standard fixes them. Takes no options.
EncodedSymbol EncodeUpnQrSymbol(const std::string& text, const EncodeOptions& options);
