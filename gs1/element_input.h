#pragma once
#include <string>
#include <vector>

#include "gs1/element_string.h"

// An element string as a user hands it to the encode step, bracketed or in a marker form: read
// and, with `validate`, checked against the AI table. Faults are raised as EncodeError with the
// byte position in `text`.
std::vector<GS1Element> ReadGS1Input(const std::string& text, bool validate);
