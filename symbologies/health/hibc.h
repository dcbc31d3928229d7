#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// HIBC (ANSI/HIBC 2.6) supplier labelling data, LIC or PAS, in any carrier: the '+' flag
// character, the data in upper case (Code 39's 43 characters) and the modulo 43 check character.
// Data starting with '+' is taken as that whole string, check character last, which must match.

// The HIBC string of `text` (at most `limit` characters of data); positions in errors are the
// text's.
std::string HibcString(const std::string& text, size_t limit);

// The carriers: the string drawn by the carrier's own encoder with its options; the linear ones
// print it between '*'.
EncodedSymbol EncodeHibc128Symbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeHibc39Symbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeHibcDataMatrixSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeHibcQrSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeHibcPdf417Symbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeHibcMicroPdf417Symbol(const std::string& text, const EncodeOptions& options);
