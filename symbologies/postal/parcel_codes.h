#pragma once
#include <string>

#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"

// UPU S10 item identifier in Code 128: two letters of service indicator (the first not J, K, S, T
// or W, which S10 leaves unassigned), eight serial digits, the check digit (weights 8 6 4 2 3 5 9
// 7, modulo 11: 10 gives 0, 11 gives 5), two letters of country code. Twelve characters get the
// check digit; thirteen must carry the right one. Lower case counts as upper case. Text
// "EE 876 543 216 CA".
EncodedSymbol EncodeUpuS10Symbol(const std::string& text, const EncodeOptions& options);

// DPD parcel label barcode in Code 128: "%" (added when absent), then 27 of 0-9 and A-Z (postcode,
// tracking number, service code, country); the check character of ISO/IEC 7064 MOD 37,36 is
// printed in the text, not encoded. Text "0003 932 0621 9912 3456 78 101 040 9".
EncodedSymbol EncodeDpdSymbol(const std::string& text, const EncodeOptions& options);
