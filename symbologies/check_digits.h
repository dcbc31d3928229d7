#pragma once
#include <string>

// Check characters of the linear codes that carry one, each from the characters it covers.

// Code 39's modulo 43 check character over Code 39 characters (each one of its 43, upper case).
char Mod43CheckCharacter(const std::string& characters);
// The PZN check value of 6 (PZN-7) or 7 (PZN-8) digits: weights 2-7 or 1-7 from the left,
// modulo 11; 10 is a value no PZN is issued with.
int PznCheckValue(const std::string& digits);
// Code 32's check digit of 8 digits: every second digit from the second doubled and its digits
// added, the sum modulo 10.
char Code32CheckDigit(const std::string& digits);
