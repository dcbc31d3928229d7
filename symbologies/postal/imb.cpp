#include "symbologies/postal/imb.h"

#include <array>
#include <cstdint>

#include "core/model/encode_error.h"
#include "core/text_encoding/digits.h"
#include "symbologies/postal/postal_bars.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr int kTrackingDigits = 20;
constexpr int kCharacters = 10;
constexpr int kBars = 65;

constexpr unsigned Reverse13(unsigned v) {
    unsigned r = 0;
    for (int i = 0; i < 13; ++i) r |= ((v >> i) & 1u) << (12 - i);
    return r;
}

constexpr int PopCount(unsigned v) {
    int n = 0;
    for (; v != 0; v &= v - 1) ++n;
    return n;
}

// The N-of-13 characters in codeword order, built as USPS-B-3200 builds them: each character
// with its mirror image in turn from the front, the symmetric ones from the back.
template <int kOnes, int kCount>
constexpr std::array<uint16_t, kCount> NOf13Table() {
    std::array<uint16_t, kCount> table{};
    int lower = 0, upper = kCount - 1;
    for (unsigned v = 0; v < 8192; ++v) {
        if (PopCount(v) != kOnes) continue;
        const unsigned reverse = Reverse13(v);
        if (reverse < v) continue;
        if (reverse == v) {
            table[size_t(upper--)] = uint16_t(v);
        } else {
            table[size_t(lower++)] = uint16_t(v);
            table[size_t(lower++)] = uint16_t(reverse);
        }
    }
    return table;
}

constexpr auto k5Of13 = NOf13Table<5, 1287>();
constexpr auto k2Of13 = NOf13Table<2, 78>();

// USPS-B-3200's bar-to-character table: for each bar, the character (A-J as 0-9) and bit of its
// descender, then of its ascender.
struct BarSource {
    uint8_t descender_character, descender_bit, ascender_character, ascender_bit;
};
constexpr BarSource kBarSources[kBars] = {
    {7, 2, 4, 3},   {1, 10, 0, 0},  {9, 12, 2, 8},  {5, 5, 6, 11},  {8, 9, 3, 1},   {0, 1, 5, 12},  {2, 5, 1, 8},
    {4, 4, 9, 11},  {6, 3, 8, 10},  {3, 9, 7, 6},   {5, 11, 1, 4},  {8, 5, 2, 12},  {9, 10, 0, 2},  {7, 1, 6, 7},
    {3, 6, 4, 9},   {0, 3, 8, 6},   {6, 4, 2, 7},   {1, 1, 9, 9},   {7, 10, 5, 2},  {4, 0, 3, 8},   {6, 2, 0, 4},
    {8, 11, 1, 0},  {9, 8, 3, 12},  {2, 6, 7, 7},   {5, 1, 4, 10},  {1, 12, 6, 9},  {7, 3, 8, 0},   {5, 8, 9, 7},
    {4, 6, 2, 10},  {3, 4, 0, 5},   {8, 4, 5, 7},   {7, 11, 1, 9},  {6, 0, 9, 6},   {0, 6, 4, 8},   {2, 1, 3, 2},
    {5, 9, 8, 12},  {4, 11, 6, 1},  {9, 5, 7, 4},   {3, 3, 1, 2},   {0, 7, 2, 0},   {1, 3, 4, 1},   {6, 10, 3, 5},
    {8, 7, 9, 4},   {2, 11, 5, 6},  {0, 8, 7, 12},  {4, 2, 8, 1},   {5, 10, 3, 0},  {9, 3, 0, 9},   {6, 5, 2, 4},
    {7, 8, 1, 7},   {5, 0, 4, 5},   {2, 3, 0, 10},  {6, 12, 9, 2},  {3, 11, 1, 6},  {8, 8, 7, 9},   {5, 4, 0, 11},
    {1, 5, 2, 2},   {9, 1, 4, 12},  {8, 3, 6, 6},   {7, 0, 3, 7},   {4, 7, 7, 5},   {0, 12, 1, 11}, {2, 9, 9, 0},
    {6, 8, 5, 3},   {3, 10, 8, 2},
};

// The binary form of the data, 102 bits, as 32-bit limbs (most significant first).
struct Value {
    std::array<uint32_t, 4> limbs{};

    void MultiplyAdd(uint32_t factor, uint32_t addend) {
        uint64_t carry = addend;
        for (int i = 3; i >= 0; --i) {
            const uint64_t t = uint64_t(limbs[size_t(i)]) * factor + carry;
            limbs[size_t(i)] = uint32_t(t);
            carry = t >> 32;
        }
    }
    // Divides by kDivisor and returns the remainder (a constant divisor: no division instruction).
    template <uint32_t kDivisor>
    uint32_t Divide() {
        uint64_t remainder = 0;
        for (uint32_t& limb : limbs) {
            const uint64_t t = (remainder << 32) | limb;
            limb = uint32_t(t / kDivisor);
            remainder = t % kDivisor;
        }
        return uint32_t(remainder);
    }
    unsigned Bit(int bit) const { return (limbs[size_t(3 - bit / 32)] >> (bit % 32)) & 1u; }
};

// The routing code and tracking code as one binary number.
Value BinaryData(const std::string& tracking, const std::string& routing) {
    Value value;
    for (char c : routing) value.MultiplyAdd(10, uint32_t(c - '0'));
    switch (routing.size()) {
        case 5: value.MultiplyAdd(1, 1); break;
        case 9: value.MultiplyAdd(1, 100000 + 1); break;
        case 11: value.MultiplyAdd(1, 1000000000 + 100000 + 1); break;
        default: break;
    }
    value.MultiplyAdd(10, uint32_t(tracking[0] - '0'));
    value.MultiplyAdd(5, uint32_t(tracking[1] - '0'));
    for (int i = 2; i < kTrackingDigits; ++i) value.MultiplyAdd(10, uint32_t(tracking[size_t(i)] - '0'));
    return value;
}

// The 11-bit frame check sequence over the 102 bits of the data, most significant first.
unsigned FrameCheckSequence(const Value& value) {
    constexpr unsigned kGenerator = 0xF35;
    unsigned fcs = 0x7FF;
    for (int bit = 101; bit >= 0; --bit) {
        const bool top = ((fcs >> 10) & 1u) != value.Bit(bit);
        fcs = ((fcs << 1) ^ (top ? kGenerator : 0u)) & 0x7FF;
    }
    return fcs;
}

}  // namespace

std::string EncodeIntelligentMailBars(const std::string& tracking, const std::string& routing) {
    Value value = BinaryData(tracking, routing);
    const unsigned fcs = FrameCheckSequence(value);
    std::array<unsigned, kCharacters> codewords{};
    codewords[9] = value.Divide<636>();
    for (int i = 8; i >= 0; --i) codewords[size_t(i)] = value.Divide<1365>();
    codewords[9] *= 2;
    if (fcs & 0x400) codewords[0] += 659;
    std::array<unsigned, kCharacters> characters{};
    for (int i = 0; i < kCharacters; ++i) {
        const unsigned cw = codewords[size_t(i)];
        unsigned c = cw < 1287 ? k5Of13[cw] : k2Of13[cw - 1287];
        if (fcs & (1u << i)) c = ~c & 0x1FFF;
        characters[size_t(i)] = c;
    }
    std::string bars(kBars, kTracker);
    for (int b = 0; b < kBars; ++b) {
        const BarSource& s = kBarSources[b];
        const bool descender = (characters[s.descender_character] >> s.descender_bit) & 1u;
        const bool ascender = (characters[s.ascender_character] >> s.ascender_bit) & 1u;
        bars[size_t(b)] = descender ? (ascender ? kFullBar : kDescender) : (ascender ? kAscender : kTracker);
    }
    return bars;
}

EncodedSymbol EncodeIntelligentMailSymbol(const std::string& text, const EncodeOptions&) {
    RefuseLongerThan(text, 32);
    RefuseEmpty(text);
    std::string digits;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '-' && i == kTrackingDigits) continue;
        if (!IsDigit(static_cast<unsigned char>(text[i])))
            throw EncodeError(EncodeErrorKind::InvalidCharacter,
                              i == kTrackingDigits || text[i] != '-'
                                  ? "Intelligent Mail takes digits (and one \"-\" after the 20-digit tracking code)"
                                  : "the tracking code has 20 digits before the \"-\"",
                              long(i));
        digits += text[i];
    }
    if (digits.size() < kTrackingDigits)
        throw EncodeError(EncodeErrorKind::InvalidData,
                          "the tracking code has 20 digits, not " + std::to_string(digits.size()));
    const std::string tracking = digits.substr(0, kTrackingDigits), routing = digits.substr(kTrackingDigits);
    if (routing.size() != 0 && routing.size() != 5 && routing.size() != 9 && routing.size() != 11)
        throw EncodeError(EncodeErrorKind::InvalidData, "the routing code has 0, 5, 9 or 11 digits, not " +
                                                            std::to_string(routing.size()));
    if (tracking[1] > '4')
        throw EncodeError(EncodeErrorKind::InvalidData, "the second digit of the barcode identifier is 0-4", 1);

    constexpr double kX = kMmPerInch / 44;  // half the nominal pitch of 22 bars per inch
    constexpr double kFull = ModulesOf(0.145 * kMmPerInch, kX), kTrack = ModulesOf(0.048 * kMmPerInch, kX);
    return FourStateSymbol(EncodeIntelligentMailBars(tracking, routing),
                           {(kFull - kTrack) / 2, kTrack, (kFull - kTrack) / 2},
                           QuietZoneOf(0.125 * kMmPerInch, 0.028 * kMmPerInch, kX),
                           routing.empty() ? tracking : tracking + "-" + routing);
}
