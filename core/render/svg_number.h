#pragma once
#include <string>

// A number for SVG: at most three decimals, without trailing zeros, "-0" or a leading "0.".
void AppendSvgNumber(std::string& out, double value);
std::string SvgNumber(double value);
// The value as printed: relative coordinates taken between printed values never drift.
double SvgRounded(double value);
