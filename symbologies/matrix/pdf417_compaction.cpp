#include "symbologies/matrix/pdf417_compaction.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "core/text_encoding/digits.h"

namespace {

constexpr size_t kMinNumericRun = 13;  // shorter digit runs are cheaper in text compaction
constexpr size_t kNumericGroup = 44;

const char* const kTooBig = "The text is too big.";

bool IsTextByte(unsigned char c) { return c == '\t' || c == '\n' || c == '\r' || (c >= 32 && c <= 126); }

void CheckCapacity(size_t codewords) {
    if (codewords > size_t(kPdf417MaxDataCodewords)) throw std::out_of_range(kTooBig);
}

// ---- segmentation ----

void AppendTextAndByteRuns(const std::string& bytes, size_t start, size_t end, std::vector<Pdf417Segment>& segments) {
    for (size_t i = start; i < end;) {
        const bool text = IsTextByte(bytes[i]);
        size_t j = i + 1;
        while (j < end && IsTextByte(bytes[j]) == text) ++j;
        segments.push_back({text ? 'T' : 'B', i, j});
        i = j;
    }
}

std::vector<Pdf417Segment> SplitSegments(const std::string& bytes) {
    std::vector<Pdf417Segment> segments;
    size_t done = 0;  // end of the last numeric segment
    size_t run_start = 0;
    size_t run_length = 0;
    auto close_run = [&](size_t end) {
        if (run_length >= kMinNumericRun) {
            AppendTextAndByteRuns(bytes, done, run_start, segments);
            segments.push_back({'N', run_start, end});
            done = end;
        }
        run_length = 0;
    };
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (IsDigit(bytes[i])) {
            if (run_length++ == 0) run_start = i;
        } else {
            close_run(i);
        }
    }
    close_run(bytes.size());
    AppendTextAndByteRuns(bytes, done, bytes.size(), segments);
    return segments;
}

// Replaces segments[first..last] with one segment of `type` covering all of them.
void Merge(std::vector<Pdf417Segment>& segments, size_t first, size_t last, char type) {
    segments[first] = {type, segments[first].start, segments[last].end};
    segments.erase(segments.begin() + first + 1, segments.begin() + last + 1);
}

// One merge pass: `merge_at` looks at segment i and merges it with neighbours when the pass's rule
// holds, returning whether it did; after every merge the pass starts again from the first segment.
template <class MergeAt>
void MergePass(std::vector<Pdf417Segment>& segments, MergeAt merge_at) {
    for (size_t i = 0; i < segments.size();) i = merge_at(segments, i) ? 0 : i + 1;
}

// Merges segment i with whichever neighbours `absorbs` accepts, into one segment of i's type.
template <class Absorbs>
bool AbsorbNeighbours(std::vector<Pdf417Segment>& segments, size_t i, Absorbs absorbs) {
    const bool previous = i > 0 && absorbs(segments[i - 1]);
    const bool next = i + 1 < segments.size() && absorbs(segments[i + 1]);
    if (!previous && !next) return false;
    Merge(segments, previous ? i - 1 : i, next ? i + 1 : i, segments[i].type);
    return true;
}

void MergeSegments(std::vector<Pdf417Segment>& segments) {
    // A lone non-text byte between text is shifted into the text rather than latched around.
    MergePass(segments, [](std::vector<Pdf417Segment>& s, size_t i) {
        if (s[i].type != 'B' || s[i].Length() != 1 || i == 0 || i + 1 >= s.size()) return false;
        if (s[i - 1].type != 'T' || s[i + 1].type != 'T') return false;
        if (s[i - 1].Length() + s[i + 1].Length() < 3) return false;
        Merge(s, i - 1, i + 1, 'T');
        return true;
    });
    // Long text takes in neighbouring text and single bytes.
    MergePass(segments, [](std::vector<Pdf417Segment>& s, size_t i) {
        if (s[i].type != 'T' || s[i].Length() < 5) return false;
        return AbsorbNeighbours(s, i, [](const Pdf417Segment& n) {
            return n.type == 'T' || (n.type == 'B' && n.Length() == 1);
        });
    });
    // Bytes take in neighbouring bytes and short text, which would cost more in latches.
    MergePass(segments, [](std::vector<Pdf417Segment>& s, size_t i) {
        if (s[i].type != 'B') return false;
        return AbsorbNeighbours(s, i, [](const Pdf417Segment& n) {
            return n.type == 'B' || (n.type == 'T' && n.Length() < 5);
        });
    });
}

// ---- text compaction ----

enum SubMode { kAlpha, kLower, kMixed, kPunctuation };
constexpr unsigned Bit(SubMode mode) { return 1u << mode; }

// Values 0..24 of the mixed sub-mode and 0..28 of punctuation; the characters both share sit at the
// same value in each.
constexpr std::string_view kMixedChars("0123456789&\r\t,:#-.$/+%*=^", 25);
constexpr std::string_view kPunctuationChars(";<>@[\\]_`~!\r\t,:\n-.$/\"|*()?{}'", 29);

constexpr int kSpace = 26;
constexpr int kLatchLower = 27;        // from alpha or mixed; from lower: shift to alpha
constexpr int kLatchMixed = 28;        // from alpha or lower; from mixed: latch to alpha
constexpr int kLatchPunctuation = 25;  // from mixed
constexpr int kShiftPunctuation = 29;  // from alpha, lower or mixed; from punctuation: latch to alpha

static_assert(Bit(kAlpha) == kPdf417Alpha && Bit(kLower) == kPdf417Lower && Bit(kMixed) == kPdf417Mixed &&
              Bit(kPunctuation) == kPdf417Punctuation);

// The sub-mode values of one text segment: values 0..29, with each byte no sub-mode holds as the
// pair (913, byte), always starting at an even position.
struct TextValues {
    std::vector<int> values;
    size_t byte_shifts = 0;
};

TextValues TextCompactionValues(const std::string& bytes, const Pdf417Segment& segment) {
    TextValues out;
    std::vector<int>& v = out.values;
    auto modes_at = [&](size_t i) { return i < segment.end ? ClassifyPdf417Text(bytes[i]).modes : 0u; };
    auto next_two_are = [&](size_t i, SubMode mode) {
        return (modes_at(i + 1) & Bit(mode)) && (modes_at(i + 2) & Bit(mode));
    };
    // Punctuation is latched to when it continues, otherwise shifted to for one character.
    auto punctuation = [&](size_t i, int value, SubMode& mode, std::initializer_list<int> latch) {
        if (next_two_are(i, kPunctuation)) {
            v.insert(v.end(), latch);
            mode = kPunctuation;
        } else {
            v.push_back(kShiftPunctuation);
        }
        v.push_back(value);
    };

    SubMode mode = kAlpha;
    for (size_t i = segment.start; i < segment.end;) {
        const Pdf417TextClass c = ClassifyPdf417Text(bytes[i]);
        if (c.modes & Bit(mode)) {
            v.push_back(c.value);
        } else if (c.modes == 0) {
            if (v.size() % 2 != 0) {
                v.push_back(kShiftPunctuation);
                if (mode == kPunctuation) mode = kAlpha;
            }
            v.push_back(kPdf417ByteShift);
            v.push_back(static_cast<unsigned char>(bytes[i]));
            ++out.byte_shifts;
        } else if (mode == kAlpha) {
            if (c.modes & Bit(kLower)) {
                v.insert(v.end(), {kLatchLower, c.value});
                mode = kLower;
            } else if (c.modes & Bit(kMixed)) {
                v.insert(v.end(), {kLatchMixed, c.value});
                mode = kMixed;
            } else {
                punctuation(i, c.value, mode, {kLatchMixed, kLatchPunctuation});
            }
        } else if (mode == kLower) {
            if (c.modes & Bit(kAlpha)) {
                if (next_two_are(i, kAlpha)) {
                    v.insert(v.end(), {kLatchMixed, kLatchMixed, c.value});
                    mode = kAlpha;
                } else {
                    v.insert(v.end(), {kLatchLower, c.value});  // shift to alpha
                }
            } else if (c.modes & Bit(kMixed)) {
                v.insert(v.end(), {kLatchMixed, c.value});
                mode = kMixed;
            } else {
                punctuation(i, c.value, mode, {kLatchMixed, kLatchPunctuation});
            }
        } else if (mode == kMixed) {
            if (c.modes & Bit(kLower)) {
                v.insert(v.end(), {kLatchLower, c.value});
                mode = kLower;
            } else if (c.modes & Bit(kAlpha)) {
                v.insert(v.end(), {kLatchMixed, c.value});  // latch to alpha
                mode = kAlpha;
            } else {
                punctuation(i, c.value, mode, {kLatchPunctuation});
            }
        } else {  // punctuation: back to alpha, then this byte again
            v.push_back(kShiftPunctuation);
            mode = kAlpha;
            continue;
        }
        ++i;
    }
    if (v.size() % 2 != 0) v.push_back(kShiftPunctuation);
    return out;
}

// Digits as a decimal number in base 900, most significant codeword first.
void AppendBase900(std::vector<uint8_t> decimal, std::vector<int>& codewords) {
    std::vector<int> out;
    size_t first = 0;
    while (first < decimal.size()) {
        int remainder = 0;
        for (size_t i = first; i < decimal.size(); ++i) {
            const int current = remainder * 10 + decimal[i];
            decimal[i] = uint8_t(current / 900);
            remainder = current % 900;
        }
        out.push_back(remainder);
        while (first < decimal.size() && decimal[first] == 0) ++first;
    }
    codewords.insert(codewords.end(), out.rbegin(), out.rend());
}

}  // namespace

namespace {

constexpr Pdf417TextClass ClassOf(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return {Bit(kAlpha), c - 'A'};
    if (c >= 'a' && c <= 'z') return {Bit(kLower), c - 'a'};
    if (c == ' ') return {Bit(kAlpha) | Bit(kLower) | Bit(kMixed), kSpace};
    Pdf417TextClass result{0, 0};
    if (const size_t p = kPunctuationChars.find(char(c)); p != std::string_view::npos) result = {Bit(kPunctuation), int(p)};
    if (const size_t m = kMixedChars.find(char(c)); m != std::string_view::npos) result = {result.modes | Bit(kMixed), int(m)};
    return result;
}

// Every byte's class, worked out at compile time: the planner asks several times a byte.
struct TextClassTable {
    Pdf417TextClass classes[256];
    constexpr TextClassTable() : classes() {
        for (int c = 0; c < 256; ++c) classes[c] = ClassOf((unsigned char)c);
    }
};
constexpr TextClassTable kTextClasses;

}  // namespace

Pdf417TextClass ClassifyPdf417Text(unsigned char c) { return kTextClasses.classes[c]; }

std::vector<Pdf417Segment> SegmentPdf417(const std::string& bytes) {
    std::vector<Pdf417Segment> segments = SplitSegments(bytes);
    MergeSegments(segments);
    return segments;
}

void AppendPdf417Text(const std::string& bytes, const Pdf417Segment& segment, std::vector<int>& codewords) {
    const TextValues text = TextCompactionValues(bytes, segment);
    const std::vector<int>& v = text.values;
    CheckCapacity(codewords.size() + (v.size() + text.byte_shifts * 2) / 2);
    for (size_t i = 0; i < v.size(); i += 2) {
        if (v[i] == kPdf417ByteShift) {
            codewords.insert(codewords.end(), {kPdf417ByteShift, v[i + 1]});
        } else {
            codewords.push_back(30 * v[i] + v[i + 1]);
        }
    }
}

void AppendPdf417Numeric(const std::string& bytes, const Pdf417Segment& segment, std::vector<int>& codewords) {
    const size_t n = segment.Length();
    const size_t rest = n % kNumericGroup;
    CheckCapacity(codewords.size() + 15 * (n / kNumericGroup) + (rest == 0 ? 0 : rest / 3 + 1));
    for (size_t start = segment.start; start < segment.end; start += kNumericGroup) {
        const size_t end = std::min(segment.end, start + kNumericGroup);
        std::vector<uint8_t> decimal{1};  // the leading 1 keeps the group's leading zeros
        for (size_t i = start; i < end; ++i) decimal.push_back(uint8_t(bytes[i] - '0'));
        AppendBase900(std::move(decimal), codewords);
    }
}

void AppendPdf417Bytes(const std::string& bytes, const Pdf417Segment& segment, std::vector<int>& codewords) {
    const size_t n = segment.Length();
    CheckCapacity(codewords.size() + n - n / 6);
    size_t i = segment.start;
    for (; i + 6 <= segment.end; i += 6) {
        uint64_t value = 0;
        for (size_t j = i; j < i + 6; ++j) value = (value << 8) | static_cast<unsigned char>(bytes[j]);
        int group[5];
        for (int k = 4; k >= 0; --k) {
            group[k] = int(value % 900);
            value /= 900;
        }
        codewords.insert(codewords.end(), group, group + 5);
    }
    for (; i < segment.end; ++i) codewords.push_back(static_cast<unsigned char>(bytes[i]));
}

std::vector<int> CompactPdf417(const std::string& bytes) {
    if (bytes.empty()) throw std::runtime_error("Text cannot be null.");
    if (bytes.size() > kPdf417MaxInputBytes) throw std::out_of_range(kTooBig);

    const std::vector<Pdf417Segment> segments = SegmentPdf417(bytes);
    std::vector<int> codewords{0};  // the length descriptor, set below
    for (size_t s = 0; s < segments.size(); ++s) {
        const Pdf417Segment& segment = segments[s];
        switch (segment.type) {
        case 'T':
            if (s > 0) codewords.push_back(kPdf417TextLatch);  // a symbol starts in text compaction
            AppendPdf417Text(bytes, segment, codewords);
            break;
        case 'N':
            codewords.push_back(kPdf417NumericLatch);
            AppendPdf417Numeric(bytes, segment, codewords);
            break;
        default:
            codewords.push_back(segment.Length() % 6 == 0 ? kPdf417ByteLatch6 : kPdf417ByteLatch);
            AppendPdf417Bytes(bytes, segment, codewords);
            break;
        }
    }
    codewords[0] = int(codewords.size());
    return codewords;
}
