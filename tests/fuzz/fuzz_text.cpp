// Every class's input text: the first byte picks the class, the draw entry and the output (PNG
// bytes, data URI or SVG); the rest is the text, drawn at an ordinary size.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "tests/fuzz/fuzz_classes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto& classes = FuzzClasses();
    const FuzzClass& cls = classes[data[0] % classes.size()];
    const unsigned rest = data[0] / classes.size();
    const bool alternate = rest & 1;
    const unsigned output = (rest >> 1) % 3;  // 0 PNG bytes, 1 data URI, 2 SVG
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    auto symbol = cls.make(output == 2 ? "svg" : "png");
    bool drawn = false;
    try {
        drawn = cls.draw(*symbol, text, 300, 100, alternate);
    } catch (const std::exception&) {
        if (!cls.throws) throw;  // the other classes report bad input by returning false
        return 0;
    }
    if (drawn) FetchResult(*symbol, output == 1);
    return 0;
}
