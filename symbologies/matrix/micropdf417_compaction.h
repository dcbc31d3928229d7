#pragma once
#include <string>
#include <vector>

// The data codewords of a MicroPDF417 symbol (it has no length descriptor): text, byte and numeric
// compaction mixed for the fewest codewords. A symbol starts in byte compaction, so the first
// stretch of any compaction begins with its latch.
std::vector<int> CompactMicroPdf417(const std::string& bytes);
