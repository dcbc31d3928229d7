#include "core/codec/zpl_graphic.h"

#include <cstdio>

#include "core/codec/base64.h"
#include "core/codec/zlib_stream.h"

namespace {

constexpr char kHex[] = "0123456789ABCDEF";
// A middling level: within a few per cent of the strongest on symbol images, several times faster.
constexpr int kZ64Level = 6;

// A run of `count` copies of `digit`: written out when that is no longer than its count.
void AppendRun(std::string& out, char digit, size_t count) {
    while (count > 0) {
        const size_t chunk = count < 419 ? count : 419;  // one count of at most 400 + 19
        count -= chunk;
        if (chunk <= 2) {
            out.append(chunk, digit);
            continue;
        }
        if (chunk >= 20) out += char('g' + chunk / 20 - 1);
        if (chunk % 20 != 0) out += char('G' + chunk % 20 - 1);
        out += digit;
    }
}

void AppendRow(std::string& out, const std::string& hex) {
    size_t end = hex.size();
    const char tail = hex.back();
    if (tail == '0' || tail == 'F') {
        while (end > 0 && hex[end - 1] == tail) --end;
    }
    for (size_t i = 0; i < end;) {
        size_t j = i + 1;
        while (j < end && hex[j] == hex[i]) ++j;
        AppendRun(out, hex[i], j - i);
        i = j;
    }
    if (end < hex.size()) out += tail == '0' ? ',' : '!';
}

}  // namespace

std::string ZplAsciiData(const std::vector<uint8_t>& bits, size_t stride, int height) {
    std::string out;
    std::string row(2 * stride, '0');
    std::string previous;
    for (int y = 0; y < height; ++y) {
        const uint8_t* bytes = bits.data() + size_t(y) * stride;
        for (size_t i = 0; i < stride; ++i) {
            row[2 * i] = kHex[bytes[i] >> 4];
            row[2 * i + 1] = kHex[bytes[i] & 15];
        }
        if (y > 0 && row == previous) {
            out += ':';
            continue;
        }
        AppendRow(out, row);
        previous = row;
    }
    return out;
}

uint16_t Crc16Xmodem(const std::string& text) {
    uint16_t crc = 0;
    for (const char c : text) {
        crc ^= uint16_t(uint8_t(c) << 8);
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x8000) ? uint16_t((crc << 1) ^ 0x1021) : uint16_t(crc << 1);
    }
    return crc;
}

std::string ZplZ64Data(const std::vector<uint8_t>& bits, size_t stride, int height) {
    const std::string compressed =
        ZlibStream(std::string(reinterpret_cast<const char*>(bits.data()), stride * size_t(height)), kZ64Level);
    if (compressed.empty()) return {};
    const std::string text = Base64Encode(reinterpret_cast<const uint8_t*>(compressed.data()), compressed.size());
    char crc[5];
    std::snprintf(crc, sizeof crc, "%04X", unsigned(Crc16Xmodem(text)));
    return ":Z64:" + text + ":" + crc;
}

std::string ZplGraphicField(const std::vector<uint8_t>& bits, size_t stride, int height) {
    const size_t total = stride * size_t(height);
    const std::string ascii = ZplAsciiData(bits, stride, height);
    const std::string z64 = ZplZ64Data(bits, stride, height);
    const std::string& data = !z64.empty() && z64.size() < ascii.size() ? z64 : ascii;
    return "^GFA," + std::to_string(total) + "," + std::to_string(total) + "," + std::to_string(stride) + "," + data;
}
