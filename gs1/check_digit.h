#pragma once
#include <string>

// The GS1 modulo-10 check digit ('0'..'9') of a digit string: weights 3, 1, 3, ... from the
// rightmost digit leftwards, the digit making the weighted sum a multiple of 10. Used for GTINs,
// SSCCs, GLNs, EAN/UPC and the convenience-store payment code alike. Digits only.
char GS1CheckDigit(const std::string& digits);
