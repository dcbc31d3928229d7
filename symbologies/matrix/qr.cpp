#include "symbologies/matrix/qr.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include "core/text_encoding/shift_jis.h"
#include "core/text_encoding/utf8.h"
#include "gs1/element_input.h"
#include "symbologies/matrix/matrix_options.h"
#include "symbologies/matrix/qr_codewords.h"
#include "symbologies/matrix/qr_segments.h"
#include "symbologies/symbol_building.h"

QrSymbol EncodeQr(const std::string& bytes, QrMode mode, QrLevel level, int requested_version, bool gs1) {
    // `bytes` is GS1 element data with `gs1`.
    const QrData data = gs1 ? EncodeQrData(QrGS1SegmentData(bytes, mode), mode, level, requested_version, true)
                            : EncodeQrData(bytes, mode, level, requested_version);
    return QrBuildSymbol(QrInterleavedCodewords(data.codewords, data.version, level), data.version, level);
}

namespace {

// The most any text can be: 7089 digits fill a version 40 symbol at level L.
constexpr size_t kQrMostCharacters = 7089;
// Quiet zone: 4 modules all round (ISO/IEC 18004 9.1).
constexpr double kQrQuiet = 4;

QrLevel LevelOption(const std::string& error) {
    static const char kLevels[] = "LMQH";
    for (int i = 0; i < 4; ++i)
        if (error.size() == 1 && error[0] == kLevels[i]) return QrLevel(i);
    throw EncodeError(EncodeErrorKind::InvalidOption, "error \"" + error + "\" is not L, M, Q or H");
}

// Kanji mode's bytes: each character one of its Shift JIS double-byte characters, else refused at
// its place in the text.
std::string KanjiModeBytes(const std::string& text) {
    std::string bytes;
    for (size_t i = 0; i < text.size();) {
        const size_t n = std::max<size_t>(1, Utf8SequenceLength(text, i));
        const std::string shift_jis = ConvertStringEncoding(text.substr(i, n), "shift_jis");
        if (shift_jis.size() != 2 || !QrIsKanjiPair(shift_jis, 0))
            throw EncodeError(EncodeErrorKind::InvalidCharacter,
                              "Kanji mode holds Shift JIS double-byte characters only (0x8140-0x9FFC, 0xE040-0xEBBF)",
                              long(i));
        bytes += shift_jis;
        i += n;
    }
    return bytes;
}

int VersionOption(int version) {
    if (version < 0 || version > kQrMaxVersion)
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "version " + std::to_string(version) + " is not 1 to 40 (0: any)");
    return version;
}

}  // namespace

EncodedSymbol EncodeQrSymbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, kQrMostCharacters);
    const QrLevel level = LevelOption(options.error);
    const int version = VersionOption(options.version);
    QrMode mode = QrMode::Byte;
    const std::string& encoding = options.encoding;
    if (options.mode == "numeric") {
        mode = QrMode::Numeric;
    } else if (options.mode == "alphanumeric") {
        mode = QrMode::Alphanumeric;
    } else if (options.mode == "kanji") {
        mode = QrMode::Kanji;
    } else if (options.mode != "auto" && options.mode != "byte") {
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "mode \"" + options.mode + "\" is not auto, byte, numeric, alphanumeric or kanji");
    }
    RefuseEmpty(text);
    const std::string bytes = mode == QrMode::Kanji ? KanjiModeBytes(text) : MatrixTextBytes(text, encoding);
    // "auto": numeric, alphanumeric, byte and kanji segments mixed for the smallest symbol.
    QrMixedOptions mixed;
    mixed.requested_version = version;
    mixed.kanji = encoding != "utf-8";
    const QrSymbol symbol = options.mode == "auto" ? EncodeQrMixed(bytes, level, mixed) : EncodeQr(bytes, mode, level, version);
    return MatrixSymbol(symbol.matrix, 1, kQrQuiet, text);
}

EncodedSymbol EncodeGS1QrSymbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, kQrMostCharacters);
    const QrLevel level = LevelOption(options.error);
    const int version = VersionOption(options.version);
    RefuseEmpty(text);
    const std::vector<GS1Element> elements = ReadGS1Input(text, options.gs1_validate);
    QrMixedOptions mixed;
    mixed.requested_version = version;
    mixed.gs1 = true;
    const QrSymbol symbol = EncodeQrMixed(GS1Data(elements, '\x1d'), level, mixed);
    return MatrixSymbol(symbol.matrix, 1, kQrQuiet, GS1HumanReadable(elements));
}
