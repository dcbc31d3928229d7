#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// ISBN, ISSN and ISMN as EAN-13 symbols (see book_numbers.h for the input forms) with their
// caption above the bars, and the add-on the text ("...+51995") or options.addon carries: a
// book's price, a periodical's issue number.
EncodedSymbol EncodeIsbnSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeIssnSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeIsmnSymbol(const std::string& text, const EncodeOptions& options);
