#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/render/render.h"
#include "symbologies/composite/composite_symbol.h"

namespace {

// What zxing-cpp reads in the symbol rendered to PNG at 3 pixels a module, with its digits and
// guards, 12 light modules round it: one "FORMAT TEXT" line a symbol; "unavailable" when python3
// with zxingcpp and PIL is not there.
std::string Read(const EncodedSymbol& s) {
    RenderOptions options;
    options.module_pixels = 3;
    options.quiet_zone = ModuleMargins{12, 12, 12, 12};
    const RenderResult png = Render(s, options, OutputKind::Png);

    char path[] = "/tmp/composite_reading_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return "unavailable";
    FILE* f = fdopen(fd, "wb");
    std::fwrite(png.bytes.data(), 1, png.bytes.size(), f);
    std::fclose(f);
    const std::string script =
        "import sys, zxingcpp; from PIL import Image\n"
        "for r in zxingcpp.read_barcodes(Image.open(sys.argv[1])): print(r.format.name, r.text)";
    const std::string command = "python3 -c '" + script + "' " + path + " 2>/dev/null || echo unavailable";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        for (int ch; (ch = std::fgetc(pipe)) != EOF;) out += char(ch);
        pclose(pipe);
    }
    std::remove(path);
    return out;
}

struct Reading {
    const char* carrier;
    const char* primary;
    const char* composite;
    const char* type;
    const char* read;  // what zxing-cpp reports, in its order
};

// The linear part reads as its carrier with the linkage in place; a CC-C reads as a PDF417 (its
// text, the composite bit string as bytes, is not checked).
const Reading kReadings[] = {
    {"ean13", "331234567890", "(17)261231(10)LOT123", "b", "EAN13 3312345678903\n"},
    {"ean8", "1234567", "(17)261231(10)LOT123", "a", "EAN8 12345670\n"},
    {"upca", "12345678901", "(17)261231(10)LOT123", "a", "UPCA 123456789012\n"},
    {"upce", "0123456", "(17)261231(10)LOT123", "b", "UPCE 01234565\n"},
    {"databar", "0123456789012", "(17)261231(10)LOT123", "a", "DataBar (01)01234567890128\n"},
    {"databar-stacked", "0123456789012", "(90)ABC", "b", "DataBar (01)01234567890128\n"},
    {"databar-stacked-omni", "0123456789012", "(90)ABC", "a", "DataBar (01)01234567890128\n"},
    {"databar-limited", "0491234567890", "(17)270331(10)A12345", "a", "DataBarLimited (01)04912345678904\n"},
    {"databar-expanded", "(01)01234567890128(3103)001750", "(10)A", "a",
     "DataBarExpanded (01)01234567890128(3103)001750\n"},
    {"databar-expanded-stacked", "(01)01234567890128(3103)001750(10)ABC123", "(21)A", "b",
     "DataBarExpanded (01)01234567890128(3103)001750(10)ABC123\n"},
    {"gs1-128", "(01)01234567890128(10)ABC", "(21)A", "a", "Code128 (01)01234567890128(10)ABC\n"},
    {"gs1-128", "(01)01234567890128(10)ABC", "(21)A", "c", "PDF417 "},
};

TEST(CompositeReading, LinearPartReadsWithZxingCpp) {
    for (const Reading& r : kReadings) {
        SCOPED_TRACE(std::string(r.carrier) + " " + r.type);
        const std::string read = Read(EncodeComposite(r.carrier, r.primary, r.composite, r.type, {}));
        if (read.find("unavailable") != std::string::npos) GTEST_SKIP() << "zxing-cpp not installed";
        if (std::string(r.type) == "c") {
            EXPECT_EQ(read.rfind(r.read, 0), 0u) << read;
            EXPECT_NE(read.find("\nCode128 (01)01234567890128(10)ABC\n"), std::string::npos) << read;
        } else {
            EXPECT_EQ(read, r.read);
        }
    }
}

}  // namespace
