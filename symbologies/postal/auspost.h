#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// Australia Post four-state barcodes (Customer Barcoding Technical Specifications): start bars,
// the format control code, the 8-digit DPID, customer information, four Reed-Solomon symbols over
// GF(64), stop bars.
//
// `auspost` chooses the format from the length: 8 digits the standard customer barcode (FCC 11,
// 37 bars); 13 characters (DPID and 5 of the C table: 0-9, A-Z, a-z, space, #) or 16 digits (DPID
// and 8 in the N table) customer barcode 2 (FCC 59, 52 bars); 18 characters (10 of the C table)
// or 23 digits (15 in the N table) customer barcode 3 (FCC 62, 67 bars). The others take the
// 8-digit DPID alone: reply paid (FCC 45), routing (87), redirection (92).
EncodedSymbol EncodeAusPostSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeAusPostReplySymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeAusPostRouteSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeAusPostRedirectSymbol(const std::string& text, const EncodeOptions& options);
