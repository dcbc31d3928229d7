#pragma once
#include <string>

#include "symbologies/matrix/datamatrix_modes.h"

// Planners: which mode encodes which bytes. Every plan is valid for a symbol of `capacity` data
// codewords once it fits there; near the end of a symbol readers return to ASCII by themselves,
// so a plan can be a codeword shorter for one capacity than for a larger one.
namespace datamatrix {

// C40, Text, X12 or EDIFACT wherever that mode can hold a whole triplet or group of the data, ASCII
// for the rest.
Plan PlanSingleMode(const std::string& data, Mode mode, int capacity);
// All bytes in Base 256.
Plan PlanBase256(const std::string& data);
// The plan with the fewest codewords over ASCII, C40, Text, X12, EDIFACT and Base 256. With
// `fnc1_separators` every 0x1D byte is FNC1, which Base 256 cannot hold.
Plan PlanMinimal(const std::string& data, int capacity, bool fnc1_separators = false);

}  // namespace datamatrix
