#pragma once
#include <cstdint>

// Bar/space pattern of a codeword (0..928) in cluster 0, 3 or 6 (given as cluster_index 0, 1, 2):
// 17 modules, the first in bit 16, a set bit dark.
uint32_t Pdf417CodewordPattern(int cluster_index, int codeword);

// Row start and stop patterns: 17 and 18 modules, first module in the highest bit.
constexpr uint32_t kPdf417StartPattern = 0x1FEA8;
constexpr int kPdf417StartModules = 17;
constexpr uint32_t kPdf417StopPattern = 0x3FA29;
constexpr int kPdf417StopModules = 18;
