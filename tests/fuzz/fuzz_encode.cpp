// The encode step of every symbology: the first byte picks the symbology (0xFF: its name follows,
// ended by a NUL, so that kept inputs name theirs whatever the list grows to), the second a few
// options, the rest is the text. With the composite option the symbology is a composite carrier and the text
// is "primary|component". Encoders may refuse anything, but only with EncodeError; any other
// exception (or a sanitizer report) is a fault.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/model/encode_error.h"
#include "symbologies/registry.h"

namespace {

const char* const kCarriers[] = {"ean13", "ean8", "upca", "upce", "databar", "databar-stacked",
                                 "databar-stacked-omni", "databar-limited", "databar-expanded",
                                 "databar-expanded-stacked", "gs1-128"};
const char* const kModes[] = {"auto", "C", "numeric", "alphanumeric", "kanji"};
const char* const kCompositeTypes[] = {"auto", "a", "b", "c"};
const char* const kShapes[] = {"any", "square", "rectangle"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string named;
    if (size > 0 && data[0] == 0xFF) {
        const uint8_t* end = static_cast<const uint8_t*>(std::memchr(data + 1, 0, size - 1));
        if (end == nullptr) return 0;
        named.assign(reinterpret_cast<const char*>(data + 1), size_t(end - data - 1));
        size -= size_t(end - data);
        data = end;  // now the byte before the options, as an index byte would be
    }
    if (size < 2) return 0;
    const unsigned flags = data[1];
    const unsigned choice = flags >> 5;
    EncodeOptions options;
    options.gs1_validate = flags & 1;
    options.encoding = flags & 2 ? "shift_jis" : "utf-8";
    options.scheme = flags & 4 ? "auto" : "ascii";
    options.extended_guard = flags & 8;
    options.mode = kModes[choice % 5];
    options.columns = int(choice % 4);
    options.shape = kShapes[choice % 3];
    std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    std::string name;
    if (flags & 16) {
        name = kCarriers[data[0] % (sizeof kCarriers / sizeof kCarriers[0])];
        const size_t bar = text.find('|');
        if (bar != std::string::npos) {
            options.composite = text.substr(bar + 1);
            text.erase(bar);
        }
        options.composite_type = kCompositeTypes[choice % 4];
    } else if (!named.empty()) {
        name = named;
    } else {
        const auto& names = EncodableSymbologies();
        name = names[data[0] % names.size()];
    }
    try {
        Encode(name, text, options);
    } catch (const EncodeError&) {
    }
    return 0;
}
