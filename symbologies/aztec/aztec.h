#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_matrix.h"
#include "symbologies/aztec/aztec_symbol.h"

// Aztec Code (ISO/IEC 24778) on the make() path: text, GS1 element strings and runes.

// What limits the size: the least share of check words, a fixed layer count (0 none) and form.
struct AztecSizing {
    int error_percent = 23;
    int layers = 0;
    std::optional<bool> compact;
    bool reader_init = false;
};

struct AztecChoice {
    AztecSize size;
    std::vector<uint16_t> words;  // the data words at its word size
};

// The smallest size that holds `bits` as `sizing` asks; EncodeError (TooLong) when none does.
AztecChoice ChooseAztecSize(const std::vector<uint8_t>& bits, const AztecSizing& sizing);

// Encoded data items (aztec_text.h) to a symbol of the smallest size allowed.
ModuleMatrix EncodeAztecItems(const std::vector<int>& items, const AztecSizing& sizing, bool structured_append);

EncodedSymbol EncodeAztecSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeGS1AztecSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeAztecRuneSymbol(const std::string& text, const EncodeOptions& options);
