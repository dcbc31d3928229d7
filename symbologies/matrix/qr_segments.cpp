#include "symbologies/matrix/qr_segments.h"

#include <array>
#include <climits>

#include "core/model/encode_error.h"
#include "symbologies/matrix/qr_codewords.h"

namespace {

constexpr char kSeparator = '\x1d';

// Where a segment stands after its last character: the mode, and for numeric and alphanumeric how
// many characters of a group of three or two are written. Bits grow by a fixed amount per character
// from each of these, which makes the shortest path over them exact.
enum State { kNumeric0, kNumeric1, kNumeric2, kAlpha0, kAlpha1, kByte, kKanji, kStateCount };

QrMode ModeOf(int state) {
    if (state <= kNumeric2) return QrMode::Numeric;
    if (state <= kAlpha1) return QrMode::Alphanumeric;
    return state == kByte ? QrMode::Byte : QrMode::Kanji;
}

int FirstState(QrMode mode) {
    switch (mode) {
        case QrMode::Numeric: return kNumeric0;
        case QrMode::Alphanumeric: return kAlpha0;
        case QrMode::Byte: return kByte;
        case QrMode::Kanji: break;
    }
    return kKanji;
}

constexpr QrMode kModes[] = {QrMode::Numeric, QrMode::Alphanumeric, QrMode::Byte, QrMode::Kanji};

// One character of the input: its bytes and the modes that hold it.
struct Character {
    int length = 1;
    bool numeric = false;
    int alphanumeric_values = 0;  // 0 when alphanumeric mode cannot hold it; 2 for a GS1 '%'
    bool kanji = false;

    bool Holds(QrMode mode) const {
        switch (mode) {
            case QrMode::Numeric: return numeric;
            case QrMode::Alphanumeric: return alphanumeric_values > 0;
            case QrMode::Kanji: return kanji;
            case QrMode::Byte: break;
        }
        return true;
    }
};

Character CharacterAt(const std::string& data, size_t i, const QrMixedOptions& options) {
    const unsigned char c = static_cast<unsigned char>(data[i]);
    Character ch;
    if (options.kanji && i + 1 < data.size()) {
        // A Shift JIS double-byte character stays whole, in Kanji mode or in one byte segment.
        const unsigned char trail = static_cast<unsigned char>(data[i + 1]);
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        if (lead && trail >= 0x40 && trail <= 0xFC && trail != 0x7F) {
            ch.length = 2;
            ch.kanji = QrIsKanjiPair(data, i);
            return ch;
        }
    }
    if (options.gs1 && c == kSeparator) {
        ch.alphanumeric_values = 1;  // written '%'
        return ch;
    }
    ch.numeric = c >= '0' && c <= '9';
    if (QrIsAlphanumeric(c)) ch.alphanumeric_values = options.gs1 && c == '%' ? 2 : 1;
    return ch;
}

// Adds one character to a segment in `state`'s mode: the state after it, and its bits.
std::pair<int, int> Extend(int state, const Character& ch) {
    switch (ModeOf(state)) {
        case QrMode::Numeric: return {state == kNumeric2 ? kNumeric0 : state + 1, state == kNumeric0 ? 4 : 3};
        case QrMode::Alphanumeric: {
            int bits = 0;
            for (int k = 0; k < ch.alphanumeric_values; ++k) {
                bits += state == kAlpha0 ? 6 : 5;
                state = state == kAlpha0 ? kAlpha1 : kAlpha0;
            }
            return {state, bits};
        }
        case QrMode::Byte: return {kByte, 8 * ch.length};
        case QrMode::Kanji: break;
    }
    return {kKanji, 13};
}

struct Split {
    int bits;
    std::vector<QrSegment> segments;
};

// The split with the fewest bits for count fields of `version`'s band. Segments never outgrow their
// count field here: a segment that long would not fit any version of the band.
Split SplitFor(const std::string& data, const QrMixedOptions& options, int version) {
    constexpr int kUnreached = INT_MAX / 2;
    struct Cell {
        int bits = kUnreached;
        int from = -1;  // the state before the last character; -1 at the start
        bool opens = false;
    };
    const size_t n = data.size();
    std::vector<std::array<Cell, kStateCount>> cells(n + 1);
    Character inside;  // the second byte of a double-byte character
    inside.length = 0;
    std::vector<Character> characters(n, inside);
    for (size_t i = 0; i < n;) {
        characters[i] = CharacterAt(data, i, options);
        i += size_t(characters[i].length);
    }
    auto relax = [&](size_t at, int state, int bits, int from, bool opens) {
        Cell& cell = cells[at][size_t(state)];
        if (bits < cell.bits) cell = {bits, from, opens};
    };
    for (size_t i = 0; i < n; i += size_t(characters[i].length)) {
        const Character& ch = characters[i];
        const size_t next = i + size_t(ch.length);
        for (int state = -1; state < kStateCount; ++state) {
            const int bits = state < 0 ? (i == 0 ? 0 : kUnreached) : cells[i][size_t(state)].bits;
            if (bits >= kUnreached) continue;
            if (state >= 0 && ch.Holds(ModeOf(state))) {
                const auto [to, added] = Extend(state, ch);
                relax(next, to, bits + added, state, false);
            }
            for (QrMode mode : kModes) {
                if (!ch.Holds(mode)) continue;
                const auto [to, added] = Extend(FirstState(mode), ch);
                relax(next, to, bits + 4 + QrCountBits(mode, version) + added, state, true);
            }
        }
    }
    int state = 0;
    for (int s = 1; s < kStateCount; ++s)
        if (cells[n][size_t(s)].bits < cells[n][size_t(state)].bits) state = s;
    Split split{cells[n][size_t(state)].bits, {}};
    // Walk back, collecting the segments from the last.
    size_t end = n;
    for (size_t i = n; i > 0;) {
        const Cell& cell = cells[i][size_t(state)];
        size_t begin = i - 1;
        while (characters[begin].length == 0) --begin;
        if (cell.opens) {
            split.segments.insert(split.segments.begin(), {ModeOf(state), data.substr(begin, end - begin)});
            end = begin;
        }
        state = cell.from;
        i = begin;
    }
    return split;
}

// What a GS1 alphanumeric segment carries: FNC1 as '%', a '%' of the data doubled.
std::string Gs1Alphanumeric(const std::string& data) {
    std::string out;
    for (char c : data) {
        if (c == '%') out += '%';
        out += c == kSeparator ? '%' : c;
    }
    return out;
}

constexpr uint32_t kEciIndicator = 0x7;
constexpr uint32_t kFnc1FirstIndicator = 0x5;

int EciBits(int eci) { return eci < 0 ? 0 : 4 + (eci < 128 ? 8 : eci < 16384 ? 16 : 24); }

void AppendEci(QrBitBuffer& bits, int eci) {
    bits.Append(kEciIndicator, 4);
    if (eci < 128) bits.Append(uint32_t(eci), 8);
    else if (eci < 16384) bits.Append(0x8000u | uint32_t(eci), 16);
    else bits.Append(0xC00000u | uint32_t(eci), 24);
}

int Band(int version) { return version <= 9 ? 0 : version <= 26 ? 1 : 2; }

}  // namespace

namespace {

// The capacity a caller can act on: in the one mode that holds every character of the data.
QrMode WidestMode(const std::string& bytes) {
    bool digits = true, alphanumeric = true;
    for (unsigned char c : bytes) {
        digits = digits && c >= '0' && c <= '9';
        alphanumeric = alphanumeric && QrIsAlphanumeric(c);
    }
    return digits ? QrMode::Numeric : alphanumeric ? QrMode::Alphanumeric : QrMode::Byte;
}

}  // namespace

QrSegmentation QrSplitSegments(const std::string& bytes, QrLevel level, const QrMixedOptions& options) {
    if (options.eci < -1 || options.eci > 999999)
        throw EncodeError(EncodeErrorKind::InvalidOption, "ECI designator out of range 0 to 999999: " +
                                                              std::to_string(options.eci));
    const std::string& data = bytes;
    if (data.empty()) throw EncodeError(EncodeErrorKind::InvalidData, "QR Code data is empty");
    const int prefix = EciBits(options.eci) + (options.gs1 ? 4 : 0);
    const bool requested = options.requested_version >= kQrMinVersion && options.requested_version <= kQrMaxVersion;
    std::array<Split, 3> bands;
    std::array<bool, 3> planned{};
    for (int v = requested ? options.requested_version : kQrMinVersion; v <= kQrMaxVersion; ++v) {
        const int band = Band(v);
        if (!planned[size_t(band)]) {
            bands[size_t(band)] = SplitFor(data, options, v);
            planned[size_t(band)] = true;
        }
        Split& split = bands[size_t(band)];
        if (prefix + split.bits > QrDataBits(v, level)) continue;
        QrSegmentation result{v, std::move(split.segments), {}};
        if (options.eci >= 0) AppendEci(result.bits, options.eci);
        if (options.gs1) result.bits.Append(kFnc1FirstIndicator, 4);
        for (QrSegment& segment : result.segments) {
            if (options.gs1 && segment.mode == QrMode::Alphanumeric) segment.data = Gs1Alphanumeric(segment.data);
            QrAppendSegment(result.bits, segment.data, segment.mode, v);
        }
        return result;
    }
    throw EncodeError(EncodeErrorKind::TooLong, "Data too long for QR Code: version 40 cannot hold it at this level",
                      -1, QrCapacity(WidestMode(bytes), level));
}

QrSymbol EncodeQrMixed(const std::string& bytes, QrLevel level, const QrMixedOptions& options) {
    const QrSegmentation split = QrSplitSegments(bytes, level, options);
    const QrData data = QrFinishData(split.bits, split.version, level);
    return QrBuildSymbol(QrInterleavedCodewords(data.codewords, data.version, level), data.version, level);
}
