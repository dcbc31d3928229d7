#pragma once
#include <string>

// The GS1 modulo-10 check digit ('0'..'9') of a digit string: weights 3, 1, 3, ... from the
// rightmost digit leftwards, the digit making the weighted sum a multiple of 10. Used for GTINs,
// SSCCs, GLNs, EAN/UPC and the convenience-store payment code alike. Digits only.
char GS1CheckDigit(const std::string& digits);

// make()'s check of a code of `data_length` digits given with or without its GS1 check digit: the
// code with its check digit, or an EncodeError saying which character is not a digit, how many
// digits are wanted, or which check digit was expected ("check digit '0' is wrong: expected '4'").
// `first` is where the code starts in the caller's text, for the error's position.
std::string CompleteGS1CheckDigit(const std::string& code, std::size_t data_length, std::size_t first = 0);

// The message of a wrong check digit that names the right one.
std::string WrongCheckDigit(char given, char expected);
