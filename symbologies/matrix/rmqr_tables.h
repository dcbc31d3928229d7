#pragma once
#include <string>

#include "symbologies/matrix/qr_tables.h"

// The 32 rMQR sizes (ISO/IEC 23941 tables 1, 3, 7 and 8), in the order of their version
// indicators: R7x43, R7x59, ..., R17x139.

constexpr int kRmqrSizes = 32;

struct RmqrSize {
    int height;
    int width;
    int count_bits[4];  // by QrMode
    QrBlockLayout blocks[2];  // level M, level H
};

const RmqrSize& RmqrSizeOf(int index);
// "R11x27" for index 10.
std::string RmqrName(int index);
// The column centres of the alignment patterns of a width (none for 27).
const int* RmqrAlignmentColumns(int width, int& count);
