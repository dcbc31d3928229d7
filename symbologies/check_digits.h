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
// The Luhn (MSI modulo 10) check digit of `digits`.
char Mod10LuhnCheckDigit(const std::string& digits);
// Modulo 11 over `digits` with weights from the right 2, 3, ... up to `top_weight` and again from 2
// (7: IBM, 9: NCR); "0"-"9", or "10" when 11 less the remainder is 10.
std::string Mod11CheckDigits(const std::string& digits, int top_weight);
// Code 11's check character over its characters ('-' counts 10): weights 1 to `top_weight` from the
// right, modulo 11 (C: 10, K: 9).
char Code11CheckCharacter(const std::string& characters, int top_weight);
// The North American VIN check digit ('0'-'9' or 'X') of 17 VIN characters (0-9, A-Z without I,
// O, Q; the 9th, the check digit's place, counts 0): letters transliterated, weights 8 7 6 5 4 3 2
// 10 0 9 8 7 6 5 4 3 2, modulo 11.
char VinCheckDigit(const std::string& vin);
