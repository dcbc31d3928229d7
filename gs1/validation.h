#pragma once
#include <string>
#include <vector>

#include "gs1/element_string.h"

// Checks every field against the GS1 AI table: a known AI, the length of its data, digits where
// the format wants digits, GS1's character sets elsewhere, check digits, dates and times. Throws
// GS1Error naming the AI, the position (an index into the text the elements were read from) and
// what is wrong, for the first fault found.
void ValidateGS1(const std::vector<GS1Element>& elements);
