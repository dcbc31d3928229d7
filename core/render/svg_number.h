#pragma once
#include <string>

// A number for SVG: at most three decimals, without trailing zeros, "-0" or a leading "0.".
void AppendSvgNumber(std::string& out, double value);
std::string SvgNumber(double value);
