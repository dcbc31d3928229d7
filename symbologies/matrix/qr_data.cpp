#include "symbologies/matrix/qr_data.h"

#include <algorithm>

#include "core/model/encode_error.h"
#include "core/text_encoding/utf8.h"

namespace {

// Value of a character in alphanumeric mode, or -1 outside its 45 characters.
int AlphanumericValue(unsigned char c) {
    static constexpr char kSymbols[] = " $%*+-./:";  // values 36 to 44
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    for (int i = 0; kSymbols[i] != 0; ++i)
        if (kSymbols[i] == char(c)) return 36 + i;
    return -1;
}

uint32_t ModeIndicator(QrMode mode) {
    switch (mode) {
        case QrMode::Numeric: return 0x1;
        case QrMode::Alphanumeric: return 0x2;
        case QrMode::Kanji: return 0x8;
        case QrMode::Byte: break;
    }
    return 0x4;
}

const char* ModeName(QrMode mode) {
    return mode == QrMode::Numeric ? "NUMERIC" : mode == QrMode::Kanji ? "KANJI" : "ALPHANUMERIC";
}

// The offending character as the message shows it: printable ASCII and whole UTF-8 characters as
// they stand, any other byte as \xNN (the message must stay valid UTF-8 text).
std::string DescribeCharacter(const std::string& data, size_t i) {
    const unsigned char c = static_cast<unsigned char>(data[i]);
    if (c >= 0x20 && c < 0x7F) return std::string(1, char(c));
    if (const size_t n = c >= 0x80 ? Utf8CharacterLength(data, i) : 0) return data.substr(i, n);
    static const char kHex[] = "0123456789ABCDEF";
    return std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
}

[[noreturn]] void ThrowInvalidCharacter(QrMode mode, const std::string& data, size_t i) {
    throw EncodeError(EncodeErrorKind::InvalidCharacter,
                      std::string("Invalid character for ") + ModeName(mode) + " mode: " + DescribeCharacter(data, i),
                      long(i));
}

// Bits of the data part alone.
size_t DataBits(QrMode mode, size_t count) {
    switch (mode) {
        case QrMode::Numeric: return 10 * (count / 3) + (count % 3 == 2 ? 7 : count % 3 == 1 ? 4 : 0);
        case QrMode::Alphanumeric: return 11 * (count / 2) + 6 * (count % 2);
        case QrMode::Kanji: return 13 * (count / 2);
        case QrMode::Byte: break;
    }
    return 8 * count;
}

void CheckCharacters(const std::string& data, QrMode mode) {
    if (mode == QrMode::Byte) return;
    if (mode == QrMode::Kanji) {
        for (size_t i = 0; i < data.size(); i += 2)
            if (!QrIsKanjiPair(data, i)) ThrowInvalidCharacter(mode, data, i);
        return;
    }
    for (size_t i = 0; i < data.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(data[i]);
        const bool valid = mode == QrMode::Numeric ? c >= '0' && c <= '9' : AlphanumericValue(c) >= 0;
        if (!valid) ThrowInvalidCharacter(mode, data, i);
    }
}

// The data of checked characters.
void AppendNumeric(QrBitBuffer& bits, const std::string& data) {
    for (size_t i = 0; i < data.size(); i += 3) {
        const size_t group = std::min<size_t>(3, data.size() - i);
        uint32_t value = 0;
        for (size_t k = 0; k < group; ++k) value = value * 10 + uint32_t(data[i + k] - '0');
        bits.Append(value, group == 3 ? 10 : group == 2 ? 7 : 4);
    }
}

void AppendAlphanumeric(QrBitBuffer& bits, const std::string& data) {
    const auto value = [&data](size_t i) { return uint32_t(AlphanumericValue(static_cast<unsigned char>(data[i]))); };
    size_t i = 0;
    for (; i + 1 < data.size(); i += 2) bits.Append(45 * value(i) + value(i + 1), 11);
    if (i < data.size()) bits.Append(value(i), 6);
}

// Shift JIS pairs 0x8140-0x9FFC and 0xE040-0xEBBF as 13-bit values.
void AppendKanji(QrBitBuffer& bits, const std::string& data) {
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        const uint32_t code =
            uint32_t(static_cast<unsigned char>(data[i])) << 8 | static_cast<unsigned char>(data[i + 1]);
        const uint32_t offset = code - (code <= 0x9FFC ? 0x8140 : 0xC140);
        bits.Append((offset >> 8) * 0xC0 + (offset & 0xFF), 13);
    }
}

constexpr uint32_t kFnc1FirstIndicator = 0x5;

QrBitBuffer SegmentBits(const std::string& data, QrMode mode, int version, bool fnc1_first) {
    QrBitBuffer bits;
    if (fnc1_first) bits.Append(kFnc1FirstIndicator, 4);
    QrAppendSegment(bits, data, mode, version);
    return bits;
}

}  // namespace

std::string QrGS1SegmentData(const std::string& element_data, QrMode mode) {
    constexpr char kSeparator = '\x1d';
    if (mode != QrMode::Alphanumeric) return element_data;
    std::string out;
    for (char c : element_data) {
        if (c == '%') out += '%';
        out += c == kSeparator ? '%' : c;
    }
    return out;
}

bool QrIsAlphanumeric(unsigned char c) { return AlphanumericValue(c) >= 0; }

bool QrIsKanjiPair(const std::string& data, size_t i) {
    if (i + 1 >= data.size()) return false;
    const unsigned lead = static_cast<unsigned char>(data[i]);
    const unsigned trail = static_cast<unsigned char>(data[i + 1]);
    const bool lead_in_range = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEB);
    const bool trail_in_range = trail >= 0x40 && trail <= 0xFC && trail != 0x7F;
    return lead_in_range && trail_in_range && !(lead == 0xEB && trail > 0xBF);
}

void QrAppendSegment(QrBitBuffer& bits, const std::string& data, QrMode mode, int version) {
    bits.Append(ModeIndicator(mode), 4);
    const size_t count = mode == QrMode::Kanji ? data.size() / 2 : data.size();
    bits.Append(uint32_t(count), QrCountBits(mode, version));
    switch (mode) {
        case QrMode::Numeric: AppendNumeric(bits, data); break;
        case QrMode::Alphanumeric: AppendAlphanumeric(bits, data); break;
        case QrMode::Kanji: AppendKanji(bits, data); break;
        case QrMode::Byte:
            for (char c : data) bits.Append(static_cast<unsigned char>(c), 8);
            break;
    }
}

QrMode QrModeFromLetter(char letter) {
    if (letter == 'N') return QrMode::Numeric;
    if (letter == 'A') return QrMode::Alphanumeric;
    return QrMode::Byte;
}

void QrBitBuffer::Append(uint32_t value, int length) {
    for (int i = length - 1; i >= 0; --i) {
        if (size_ % 8 == 0) bytes_.push_back(0);
        if ((value >> i) & 1) bytes_.back() |= uint8_t(0x80 >> (size_ % 8));
        ++size_;
    }
}

int QrCountBits(QrMode mode, int version) {
    const int band = version <= 9 ? 0 : version <= 26 ? 1 : 2;
    static constexpr int kBits[4][3] = {{10, 12, 14}, {9, 11, 13}, {8, 16, 16}, {8, 10, 12}};
    return kBits[int(mode)][band];
}

QrBitBuffer QrSegmentBits(const std::string& data, QrMode mode, int version) {
    CheckCharacters(data, mode);
    return SegmentBits(data, mode, version, false);
}

int QrChooseVersion(size_t segment_bits, QrMode mode, QrLevel level, int requested_version) {
    for (int v = kQrMinVersion; v <= kQrMaxVersion; ++v) {
        const size_t extension = size_t(QrCountBits(mode, v) - QrCountBits(mode, kQrMinVersion));
        if (segment_bits + extension <= size_t(QrDataBits(v, level)))
            return requested_version > v && requested_version <= kQrMaxVersion ? requested_version : v;
    }
    throw EncodeError(EncodeErrorKind::TooLong,
                      "Data too long for QR Code. Data requires more capacity than Version 40 can provide. "
                      "Reduce data length or use a lower error correction level.",
                      -1, QrCapacity(mode, level));
}

long QrCapacity(QrMode mode, QrLevel level) {
    const int bits = QrDataBits(kQrMaxVersion, level) - 4 - QrCountBits(mode, kQrMaxVersion);
    switch (mode) {
        case QrMode::Numeric: return bits / 10 * 3 + (bits % 10 >= 7 ? 2 : bits % 10 >= 4 ? 1 : 0);
        case QrMode::Alphanumeric: return bits / 11 * 2 + (bits % 11 >= 6 ? 1 : 0);
        case QrMode::Kanji: return bits / 13;
        case QrMode::Byte: break;
    }
    return bits / 8;
}

QrData EncodeQrData(const std::string& data, QrMode mode, QrLevel level, int requested_version, bool fnc1_first) {
    // Characters first, so that invalid data is named as such even when it is also too long.
    CheckCharacters(data, mode);
    const size_t base_bits =
        (fnc1_first ? 8 : 4) + size_t(QrCountBits(mode, kQrMinVersion)) + DataBits(mode, data.size());
    const int version = QrChooseVersion(base_bits, mode, level, requested_version);

    return QrFinishData(SegmentBits(data, mode, version, fnc1_first), version, level);
}

QrData QrFinishData(QrBitBuffer bits, int version, QrLevel level) {
    const size_t capacity = size_t(QrDataBits(version, level));
    if (capacity - bits.Size() >= 4) {
        bits.Append(0, 4);
    } else {
        bits.Append(0, int(capacity - bits.Size()));
    }
    QrData result{version, bits.Bytes()};
    const size_t data_codewords = capacity / 8;
    for (uint8_t pad = 0xEC; result.codewords.size() < data_codewords; pad ^= 0xEC ^ 0x11)
        result.codewords.push_back(pad);
    return result;
}
