#include "symbologies/retail/ean_upc_digits.h"

#include "core/model/encode_error.h"
#include "gs1/check_digit.h"

namespace {

// Seven modules per digit, leftmost module in bit 6, 1 = bar.
constexpr unsigned char kSetL[10] = {0x0D, 0x19, 0x13, 0x3D, 0x23, 0x31, 0x2F, 0x3B, 0x37, 0x0B};
constexpr unsigned char kSetG[10] = {0x27, 0x33, 0x1B, 0x21, 0x1D, 0x39, 0x05, 0x11, 0x09, 0x17};
constexpr unsigned char kSetR[10] = {0x72, 0x66, 0x6C, 0x42, 0x5C, 0x4E, 0x50, 0x44, 0x48, 0x74};

void AppendOnes(ModuleWidths& out, int count) { out.insert(out.end(), count, 1); }

}  // namespace

std::string CompleteWithCheckDigit(const std::string& code, const char* name, std::size_t data_length) {
    if (code.empty()) throw EncodeError(EncodeErrorKind::InvalidData, "Empty string");
    if (const size_t bad = FirstNonDigit(code); bad != std::string::npos)
        throw EncodeError(EncodeErrorKind::InvalidCharacter, std::string(name) + " barcode requires numeric digits only",
                          long(bad));
    if (code.size() == data_length + 1) {
        if (code.back() != GS1CheckDigit(code.substr(0, data_length)))
            throw EncodeError(EncodeErrorKind::InvalidData, "Invalid check digit", long(data_length));
        return code;
    }
    if (code.size() != data_length)
        throw EncodeError(EncodeErrorKind::InvalidData, std::string(name) + " barcode requires " +
                                                            std::to_string(data_length) + " or " +
                                                            std::to_string(data_length + 1) + " digits");
    return code + GS1CheckDigit(code);
}

void AppendDigit(ModuleWidths& out, char digit, DigitSet set) {
    const unsigned char* table = set == DigitSet::L ? kSetL : set == DigitSet::G ? kSetG : kSetR;
    const unsigned pattern = table[digit - '0'];
    int run = 1;
    for (int bit = 5; bit >= 0; --bit) {
        if (((pattern >> bit) & 1) == ((pattern >> (bit + 1)) & 1)) {
            ++run;
        } else {
            out.push_back(run);
            run = 1;
        }
    }
    out.push_back(run);
}

void AppendNormalGuard(ModuleWidths& out) { AppendOnes(out, 3); }
void AppendCentreGuard(ModuleWidths& out) { AppendOnes(out, 5); }
void AppendUpcEEndGuard(ModuleWidths& out) { AppendOnes(out, 6); }

ModuleWidths EncodeTwoHalves(const std::string& left, unsigned g_mask, const std::string& right) {
    ModuleWidths out;
    out.reserve(11 + 4 * (left.size() + right.size()));
    AppendNormalGuard(out);
    for (std::size_t i = 0; i < left.size(); ++i)
        AppendDigit(out, left[i], (g_mask >> (left.size() - 1 - i)) & 1 ? DigitSet::G : DigitSet::L);
    AppendCentreGuard(out);
    for (char d : right) AppendDigit(out, d, DigitSet::R);
    AppendNormalGuard(out);
    return out;
}
