#pragma once
#include <string>
#include <vector>

#include "gs1/element_string.h"

// Checks every field against the GS1 AI table: a known AI, the length of its data, digits where
// the format wants digits, GS1's character sets elsewhere, check digits, dates and times. Throws
// GS1Error naming the AI, the position (an index into the text the elements were read from) and
// what is wrong, for the first fault found. An AI given twice must carry the same value both times.
void ValidateGS1(const std::vector<GS1Element>& elements);

// The repeated-AI rule alone, over `elements` and those already in the same symbol (`earlier`: a
// composite's primary); the fault is named at the AI of `elements`.
void RefuseRepeatedAis(const std::vector<GS1Element>& elements, const std::vector<GS1Element>& earlier);
