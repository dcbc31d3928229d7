#pragma once
#include <string>
#include <vector>

#include "gs1/element_string.h"

// The one reader of the element strings users hand to the encode step, for every GS1 symbology
// alike: "(01)...(10)..." (a '(' in data written "\("), "[01]...[10]..." (a '[' in data written
// "\["; '(' and ')' there are data) or the marker forms "{FNC1}01...{AI}10..." and
// "01...{AI}10...[". With `validate` the elements are checked against the AI table and a repeated
// AI must repeat its value. Faults are raised as EncodeError at the byte position in `text`, the
// message naming the position in code points.
std::vector<GS1Element> ReadGS1Input(const std::string& text, bool validate);

// The same for an element string given beside the symbol's data (a composite component's, whose
// AIs `primary` already holds are checked against it): the message starts with `what` and names the
// position in `text`; the error carries no position, as none is in the symbol's data.
std::vector<GS1Element> ReadGS1Beside(const std::string& what, const std::string& text, bool validate,
                                      const std::vector<GS1Element>& primary);
