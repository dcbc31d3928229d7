#pragma once
#include <string>

#include "core/model/module_widths.h"
#include "core/text_encoding/digits.h"

// Digit character sets, guards and check digits shared by EAN-13, EAN-8, UPC-A and UPC-E.

// L: odd parity (left half), G: even parity (left half), R: right half.
enum class DigitSet { L, G, R };

// Validates a code of `data_length` digits with or without its check digit and returns it with one.
// `name` is the symbology as the messages call it ("Jan13 barcode requires ...").
std::string CompleteWithCheckDigit(const std::string& code, const char* name, std::size_t data_length);

// Appends the four runs of one digit ('0'..'9') in the given set.
void AppendDigit(ModuleWidths& out, char digit, DigitSet set);

// Start/end guard 101, centre guard 01010 and the UPC-E end guard 010101, as runs.
void AppendNormalGuard(ModuleWidths& out);
void AppendCentreGuard(ModuleWidths& out);
void AppendUpcEEndGuard(ModuleWidths& out);

// Normal guard, the left digits, centre guard, the right digits in set R, normal guard: the layout of
// EAN-13, EAN-8 and UPC-A. Bit n-1 of `g_mask` is the first of the n left digits: 1 = set G, 0 = set L.
ModuleWidths EncodeTwoHalves(const std::string& left, unsigned g_mask, const std::string& right);
