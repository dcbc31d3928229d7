#pragma once
#include <cstddef>

// OCR-B Regular from Debian's fonts-ocr-b 0.3.1 (OCRB.otf, 17,616 bytes, public domain), compiled
// in for the digits printed under EAN/UPC symbols.
extern const unsigned char kOcrbRegularOtf[];
extern const size_t kOcrbRegularOtfSize;
