#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "core/model/encode_error.h"
#include "core/model/encoded_symbol.h"
#include "core/model/module_matrix.h"
#include "core/model/module_widths.h"

// Pieces the encode functions of every family build their EncodedSymbol from.

// Default bar height of the one-row symbols, in modules.
constexpr double kLinearBarHeight = 50;

// Module bits of alternating bar and space widths, the first a bar.
std::vector<uint8_t> ModulesOfWidths(const ModuleWidths& widths);

// One row of bars, `bar_height` modules tall by default, with `quiet` light modules each side
// and `text` centred under it (no text span when it is empty).
EncodedSymbol OneRowSymbol(const ModuleWidths& widths, double bar_height, double quiet, const std::string& text,
                           std::string full_text);

// Every row of a matrix, `row_height` modules tall, with `quiet` light modules all round.
EncodedSymbol MatrixSymbol(const ModuleMatrix& matrix, double row_height, double quiet, std::string full_text);

// Refuses, before any work per character, text of more than `limit` characters (code points):
// TooLong with the limit as capacity. (Messages name no symbology: the registry puts its name first.)
void RefuseLongerThan(const std::string& text, size_t limit);

// The text as the human-readable line shows it: control characters and DEL, which print nothing,
// as spaces (zint shows them so).
std::string PrintableText(std::string text);

// Refuses empty text (InvalidData).
void RefuseEmpty(const std::string& text);
