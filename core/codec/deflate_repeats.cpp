#include "core/codec/deflate_repeats.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kUpFilter = 2;
constexpr int kEndOfBlock = 256;
constexpr int kLength258 = 285;
constexpr int kLitLenCodes = 286;
constexpr int kMaxMatch = 258;

// Bits go out least significant first; Huffman codes most significant bit first (RFC 1951 3.1.1).
class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
    void Put(uint32_t bits, int count) {
        pending_ |= uint64_t(bits) << used_;
        used_ += count;
        while (used_ >= 8) {
            out_.push_back(uint8_t(pending_));
            pending_ >>= 8;
            used_ -= 8;
        }
    }
    void PutCode(uint32_t code, int length) {
        uint32_t reversed = 0;
        for (int i = 0; i < length; ++i) reversed |= ((code >> i) & 1u) << (length - 1 - i);
        Put(reversed, length);
    }
    void AlignToByte() {
        if (used_ > 0) Put(0, 8 - used_);
    }

private:
    std::vector<uint8_t>& out_;
    uint64_t pending_ = 0;
    int used_ = 0;
};

// Length symbol and extra bits of a match length of 3 to 258 (RFC 1951 3.2.5).
struct LengthCode {
    int symbol;
    int extra_bits;
    int extra;
};

LengthCode CodeForLength(int length) {
    static constexpr int kBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                      31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr int kExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    int i = 28;
    while (kBase[i] > length) --i;
    return LengthCode{257 + i, kExtra[i], length - kBase[i]};
}

// Canonical Huffman codes of the given code lengths (RFC 1951 3.2.2).
template <size_t N>
std::array<uint32_t, N> CanonicalCodes(const std::array<uint8_t, N>& lengths) {
    std::array<int, 16> count{};
    for (uint8_t length : lengths) ++count[length];
    count[0] = 0;
    std::array<uint32_t, 16> next{};
    uint32_t code = 0;
    for (int bits = 1; bits < 16; ++bits) {
        code = (code + uint32_t(count[size_t(bits) - 1])) << 1;
        next[size_t(bits)] = code;
    }
    std::array<uint32_t, N> codes{};
    for (size_t symbol = 0; symbol < N; ++symbol)
        if (lengths[symbol] != 0) codes[symbol] = next[lengths[symbol]]++;
    return codes;
}

// One item of the run-length coded code lengths: a length (0-15), or 17/18 with a zero-run count.
struct CodeLengthItem {
    int symbol;
    int extra;
};

std::vector<CodeLengthItem> RunLengthCoded(const std::vector<uint8_t>& lengths) {
    std::vector<CodeLengthItem> items;
    for (size_t i = 0; i < lengths.size();) {
        size_t run = 1;
        while (i + run < lengths.size() && lengths[i + run] == lengths[i]) ++run;
        if (lengths[i] != 0 || run < 3) {
            for (size_t k = 0; k < run; ++k) items.push_back(CodeLengthItem{lengths[i], 0});
        } else {
            for (size_t left = run; left > 0;) {
                if (left < 3) {
                    items.push_back(CodeLengthItem{0, 0});
                    --left;
                    continue;
                }
                const size_t take = std::min<size_t>(left, 138);
                items.push_back(take <= 10 ? CodeLengthItem{17, int(take - 3)} : CodeLengthItem{18, int(take - 11)});
                left -= take;
            }
        }
        i += run;
    }
    return items;
}

}  // namespace

void AppendRepeatedRowsBlock(std::vector<uint8_t>& out, uint32_t stride, uint32_t rows) {
    // Each row: literal 2 (the filter), literal 0, then the other zeros as matches at distance 1.
    const uint32_t zeros_after_first = stride - 1;
    const uint32_t full_matches = zeros_after_first / kMaxMatch;
    const int rest = int(zeros_after_first % kMaxMatch);
    const bool rest_is_match = rest >= 3;
    const LengthCode rest_code = CodeForLength(rest_is_match ? rest : 3);

    // A complete prefix code over the symbols used: the 258-byte match 1 bit, literal 0 2 bits, and
    // literal 2, end of block and the remainder's length 3 or 4 bits.
    std::array<uint8_t, kLitLenCodes> lit_len{};
    lit_len[kLength258] = 1;
    lit_len[0] = 2;
    if (rest_is_match) {
        lit_len[size_t(rest_code.symbol)] = 3;
        lit_len[kUpFilter] = 4;
        lit_len[kEndOfBlock] = 4;
    } else {
        lit_len[kUpFilter] = 3;
        lit_len[kEndOfBlock] = 3;
    }
    const auto lit_len_codes = CanonicalCodes(lit_len);

    std::vector<uint8_t> all_lengths(lit_len.begin(), lit_len.end());
    all_lengths.push_back(1);  // distance 1 only: one distance code of one bit
    const std::vector<CodeLengthItem> items = RunLengthCoded(all_lengths);

    // The code-length code: the symbols used, as a complete code of k - 1 and k bits.
    std::array<int, 19> used{};
    for (const CodeLengthItem& item : items) used[size_t(item.symbol)] = 1;
    int count = 0;
    for (int u : used) count += u;
    int k = 1;
    while ((1 << k) < count) ++k;
    int shorter = (1 << k) - count;  // symbols that take k - 1 bits
    std::array<uint8_t, 19> cl_lengths{};
    for (size_t s = 0; s < 19; ++s) {
        if (!used[s]) continue;
        cl_lengths[s] = uint8_t(shorter > 0 ? k - 1 : k);
        if (shorter > 0) --shorter;
    }
    const auto cl_codes = CanonicalCodes(cl_lengths);
    static constexpr int kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    int cl_count = 19;
    while (cl_count > 4 && cl_lengths[size_t(kOrder[cl_count - 1])] == 0) --cl_count;

    BitWriter bits(out);
    bits.Put(0, 1);  // not the final block
    bits.Put(2, 2);  // dynamic Huffman codes
    bits.Put(kLitLenCodes - 257, 5);
    bits.Put(0, 5);  // one distance code
    bits.Put(uint32_t(cl_count - 4), 4);
    for (int i = 0; i < cl_count; ++i) bits.Put(cl_lengths[size_t(kOrder[i])], 3);
    for (const CodeLengthItem& item : items) {
        bits.PutCode(cl_codes[size_t(item.symbol)], cl_lengths[size_t(item.symbol)]);
        if (item.symbol == 17) bits.Put(uint32_t(item.extra), 3);
        if (item.symbol == 18) bits.Put(uint32_t(item.extra), 7);
    }

    const auto put = [&](int symbol) { bits.PutCode(lit_len_codes[size_t(symbol)], lit_len[size_t(symbol)]); };
    for (uint32_t row = 0; row < rows; ++row) {
        put(kUpFilter);
        put(0);
        for (uint32_t m = 0; m < full_matches; ++m) {
            put(kLength258);
            bits.PutCode(0, 1);  // distance 1
        }
        if (rest_is_match) {
            put(rest_code.symbol);
            bits.Put(uint32_t(rest_code.extra), rest_code.extra_bits);
            bits.PutCode(0, 1);
        } else {
            for (int z = 0; z < rest; ++z) put(0);
        }
    }
    put(kEndOfBlock);

    // An empty stored block ends the output on a byte boundary.
    bits.Put(0, 1);
    bits.Put(0, 2);
    bits.AlignToByte();
    static constexpr uint8_t kEmptyStored[4] = {0x00, 0x00, 0xFF, 0xFF};
    out.insert(out.end(), kEmptyStored, kEmptyStored + 4);
}

void AppendFinalEmptyBlock(std::vector<uint8_t>& out) {
    BitWriter bits(out);
    bits.Put(1, 1);       // the final block
    bits.Put(1, 2);       // fixed Huffman codes
    bits.PutCode(0, 7);   // end of block: 0000000
    bits.AlignToByte();
}
