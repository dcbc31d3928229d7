#pragma once
#include <string>
#include <vector>

// PDF417 data codewords in the fewest codewords (the make() path): every split of the bytes into
// text compaction (each sub-mode latch and shift, a byte shift), byte and numeric compaction is
// weighed, text values counted in halves of a codeword.
// Codeword 0 (the number of codewords, itself included) followed by the data codewords; throws
// std::out_of_range "The text is too big." when they would take more than kPdf417MaxDataCodewords.
std::vector<int> CompactPdf417Minimal(const std::string& bytes);
