#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Largest input the encoder accepts, in bytes.
constexpr size_t kPdf417MaxInputBytes = 5420;
// Codewords the length descriptor and the data may take: 928 less the two of the lowest level.
constexpr int kPdf417MaxDataCodewords = 926;

// Mode latches and the byte shift of text compaction.
constexpr int kPdf417TextLatch = 900;
constexpr int kPdf417ByteLatch = 901;
constexpr int kPdf417ByteLatch6 = 924;  // byte compaction of a multiple of 6 bytes
constexpr int kPdf417NumericLatch = 902;
constexpr int kPdf417ByteShift = 913;

// A run of input bytes [start, end) and the compaction that writes it: 'T' text, 'B' byte,
// 'N' numeric.
struct Pdf417Segment {
    char type;
    size_t start;
    size_t end;

    size_t Length() const { return end - start; }
    bool operator==(const Pdf417Segment& o) const { return type == o.type && start == o.start && end == o.end; }
};

// Text compaction sub-modes as bits.
constexpr unsigned kPdf417Alpha = 1;
constexpr unsigned kPdf417Lower = 2;
constexpr unsigned kPdf417Mixed = 4;
constexpr unsigned kPdf417Punctuation = 8;

// The text sub-modes that hold a byte (0 when none does) and its value in them: a byte both mixed
// and punctuation hold has the same value in each.
struct Pdf417TextClass {
    unsigned modes;
    int value;
};
Pdf417TextClass ClassifyPdf417Text(unsigned char c);

// Splits the input into numeric runs of 13 or more digits and maximal text / non-text runs, then
// merges short runs into their neighbours where one compaction writes them more cheaply.
std::vector<Pdf417Segment> SegmentPdf417(const std::string& bytes);

// Each appends the codewords of one segment (without its latch) to `codewords`, whose size is the
// number written so far, codeword 0 included; throws std::out_of_range "The text is too big." when
// they would take more than kPdf417MaxDataCodewords.
void AppendPdf417Text(const std::string& bytes, const Pdf417Segment& segment, std::vector<int>& codewords);
void AppendPdf417Numeric(const std::string& bytes, const Pdf417Segment& segment, std::vector<int>& codewords);
void AppendPdf417Bytes(const std::string& bytes, const Pdf417Segment& segment, std::vector<int>& codewords);

// Codeword 0 (the number of codewords, itself included) followed by the data codewords.
// Throws std::runtime_error "Text cannot be null." for empty input and std::out_of_range
// "The text is too big." for input that no symbol holds.
std::vector<int> CompactPdf417(const std::string& bytes);
