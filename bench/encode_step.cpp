// The encode step alone, per symbology: typical data to an EncodedSymbol (no pixels), and how fast
// 10 MB of text is refused as too long.
#include <chrono>
#include <cstdio>
#include <string>

#include "core/model/encode_error.h"
#include "symbologies/registry.h"

namespace {

struct Case {
    const char* symbology;
    const char* text;
};

const Case kCases[] = {
    {"code39", "HELLO-39"},
    {"code93", "HELLO-93"},
    {"code128", "Hello, World 1234567890"},
    {"gs1-128", "(01)09501101530003(17)251231(10)ABC123"},
    {"gs1-128-convenience", "9191234500000000000000000000000000000000000"},
    {"nw7", "A1234567B"},
    {"itf", "1234567890"},
    {"itf14", "1234567890123"},
    {"matrix2of5", "1234567890"},
    {"nec2of5", "1234567890"},
    {"ean13", "490123456789"},
    {"ean8", "4901234"},
    {"upca", "01234567890"},
    {"upce", "0123456"},
    {"isbn", "978-0-306-40615-7+51995"},
    {"issn", "0317-8471 03+17"},
    {"ismn", "M-2306-7118-7"},
    {"jp-book", "ISBN978-4-00-326184-2 C0197 \xC2\xA5" "940E"},
    {"databar", "0950110153000"},
    {"databar-stacked", "0950110153000"},
    {"databar-stacked-omni", "0950110153000"},
    {"databar-limited", "1501234567890"},
    {"databar-expanded", "(01)09501101530003(3103)001234"},
    {"databar-expanded-stacked", "(01)09501101530003(10)ABCDEFGH(21)12345678"},
    {"japanpost", "1234567-89-10A"},
    {"qr", "https://example.com/a/rather/long/path?with=query&and=more"},
    {"gs1-qr", "(01)09501101530003(17)251231"},
    {"datamatrix", "Hello Data Matrix 1234567890"},
    {"gs1-datamatrix", "(01)09501101530003(17)251231"},
    {"pdf417", "Hello PDF417 1234567890 Hello PDF417 1234567890"},
    {"aztec", "Aztec Code ticket 0123456789 Aztec Code ticket 0123456789 Aztec Code ticket 0123456789 Aztec Code ti"},
    {"gs1-aztec", "(01)09501101530003(17)251231"},
    {"aztec-rune", "25"},
};

// Calls per second of `run` over about a fifth of a second.
template <typename Run>
double Rate(Run run) {
    const auto start = std::chrono::steady_clock::now();
    int n = 0;
    double elapsed = 0;
    while (elapsed < 0.2) {
        run();
        ++n;
        elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    return n / elapsed;
}

}  // namespace

int main() {
    const std::string huge(10 << 20, '1');
    std::printf("%-26s %14s %20s\n", "symbology", "encodes/s", "10 MB refusals/s");
    for (const Case& c : kCases) {
        const EncodeOptions options;
        const double encodes = Rate([&] { Encode(c.symbology, c.text, options); });
        const double refusals = Rate([&] {
            try {
                Encode(c.symbology, huge, options);
            } catch (const EncodeError&) {
            }
        });
        std::printf("%-26s %14.0f %20.0f\n", c.symbology, encodes, refusals);
    }
    return 0;
}
