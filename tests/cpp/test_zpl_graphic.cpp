#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/codec/zpl_graphic.h"

namespace {

// The ZPL ASCII compression, worked by hand from its rules: G..Y count 1..19 and g..z 20..400
// (summed) before a hex digit, ',' zeros to the row's end, '!' ones to the row's end, ':' the row
// above again; runs of one or two digits stay as they are.
TEST(ZplGraphic, CompressedRows) {
    const struct {
        std::vector<uint8_t> bits;
        size_t stride;
        int height;
        const char* expected;
    } data[] = {
        {{0x00, 0x00}, 2, 1, ","},
        {{0xFF, 0xFF}, 2, 1, "!"},
        {{0xF0, 0x00, 0x00}, 3, 1, "F,"},
        {{0x0F, 0x0F, 0x0F, 0x0F}, 2, 2, "0F0!:"},
        {{0x55, 0x51}, 2, 1, "I51"},
        {std::vector<uint8_t>(20, 0x88), 20, 1, "h8"},
        {[] {
             std::vector<uint8_t> v(22, 0xAA);
             v.back() = 0xA1;
             return v;
         }(),
         22, 1, "hIA1"},
        {std::vector<uint8_t>(210, 0x55), 210, 1, "zY55"},  // 420 = 419 + 1
        {{0x80, 0x80, 0x01}, 1, 3, "8,:01"},
    };
    for (const auto& c : data) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(ZplAsciiData(c.bits, c.stride, c.height), c.expected);
    }
}

// The CRC catalogue's check value for CRC-16/XMODEM, and a field takes the shorter form: Z64 for a
// large symbol-like image, the ASCII form for a tiny one.
TEST(ZplGraphic, Z64CrcAndChoice) {
    EXPECT_EQ(Crc16Xmodem("123456789"), 0x31C3);
    const std::vector<uint8_t> tiny = {0x00, 0x00};
    EXPECT_EQ(ZplGraphicField(tiny, 2, 1), "^GFA,2,2,2,,");
    std::vector<uint8_t> checks(64 * 64);
    for (size_t i = 0; i < checks.size(); ++i) checks[i] = uint8_t((i * 2654435761u) >> 13);
    const std::string field = ZplGraphicField(checks, 64, 64);
    EXPECT_EQ(field.rfind("^GFA,4096,4096,64,:Z64:", 0), 0u);
    EXPECT_LT(field.size(), ZplAsciiData(checks, 64, 64).size());
}

}  // namespace
