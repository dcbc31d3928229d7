#include "symbologies/matrix/upnqr.h"

#include "core/model/encode_error.h"
#include "core/text_encoding/eci.h"
#include "symbologies/matrix/qr_codewords.h"
#include "symbologies/matrix/qr_segments.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr int kVersion = 15;
constexpr QrLevel kLevel = QrLevel::M;
constexpr int kEciLatin2 = 4;
// Quiet zone: 4 modules all round, as any QR Code (ISO/IEC 18004 9.1).
constexpr double kQuiet = 4;

}  // namespace

EncodedSymbol EncodeUpnQrSymbol(const std::string& text, const EncodeOptions&) {
    RefuseEmpty(text);
    const std::string bytes = EncodeForEci(text, kEciLatin2);
    // ECI (4 + 8 bits), byte mode indicator and its 16-bit count, then 8 bits a byte.
    const int capacity = (QrDataBits(kVersion, kLevel) - 12 - 4 - 16) / 8;
    if (int(bytes.size()) > capacity)
        throw EncodeError(EncodeErrorKind::TooLong,
                          "UPN QR holds at most " + std::to_string(capacity) + " characters (version 15, level M); the text has " +
                              std::to_string(bytes.size()),
                          -1, capacity);
    QrBitBuffer bits;
    QrAppendEci(bits, kEciLatin2, 0x7, 4);
    QrAppendSegment(bits, bytes, QrMode::Byte, kVersion);
    const QrData data = QrFinishData(bits, kVersion, kLevel);
    const QrSymbol symbol = QrBuildSymbol(QrInterleavedCodewords(data.codewords, kVersion, kLevel), kVersion, kLevel);
    return MatrixSymbol(symbol.matrix, 1, kQuiet, text);
}
