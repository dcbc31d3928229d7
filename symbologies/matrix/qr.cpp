#include "symbologies/matrix/qr.h"

#include <cctype>
#include <exception>

#include "symbologies/matrix/qr_codewords.h"

QrSymbol EncodeQr(const std::string& bytes, QrMode mode, QrLevel level, int requested_version, bool gs1) {
    const QrData data = gs1 ? EncodeQrData(QrGS1SegmentData(bytes, mode), mode, level, requested_version, true)
                            : EncodeQrData(bytes, mode, level, requested_version);
    return QrBuildSymbol(QrInterleavedCodewords(data.codewords, data.version, level), data.version, level);
}

QrLevel QrLevelFromSetting(int level) {
    switch (level) {
        case 0: return QrLevel::L;
        case 2: return QrLevel::Q;
        case 3: return QrLevel::H;
        default: return QrLevel::M;
    }
}

void QR::SetEncodeMode(const std::string& mode) {
    const char letter = mode.size() == 1 ? char(std::toupper(static_cast<unsigned char>(mode[0]))) : 'B';
    mode_ = letter == 'N' || letter == 'A' || letter == 'K' ? letter : 'B';
}

ModuleMatrix QR::EncodeMatrix(const std::string& bytes) {
    if (bytes.empty()) return ModuleMatrix();
    return EncodeQr(bytes, QrModeFromLetter(mode_), QrLevelFromSetting(level_), version_, gs1_).matrix;
}

bool QR::DrawEncoded(const std::string& bytes, int x, int y, int width, int height) {
    // Encoder errors reach the caller as exceptions; they are kept as the last failure too.
    try {
        return DrawStretchedMatrix([&] { return EncodeMatrix(bytes); }, x, y, width, height);
    } catch (const std::exception& e) {
        RecordFailure("", e.what());
        throw;
    }
}
