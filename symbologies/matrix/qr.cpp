#include "symbologies/matrix/qr.h"

#include <cctype>

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

bool QR::DrawEncoded(const std::string& bytes, int x, int y, int width, int height) {
    return DrawStretchedMatrix(
        [&] {
            // Empty input draws nothing: a blank raster canvas, no SVG document.
            if (bytes.empty()) return ModuleMatrix();
            return EncodeQr(bytes, QrModeFromLetter(mode_), QrLevelFromSetting(level_), version_, gs1_).matrix;
        },
        x, y, width, height);
}
