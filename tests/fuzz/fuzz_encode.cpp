// The encode step of every symbology: the first byte picks the symbology and a few options, the
// rest is the text. Encoders may refuse anything, but only with EncodeError; any other exception
// (or a sanitizer report) is a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/model/encode_error.h"
#include "symbologies/registry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto& names = EncodableSymbologies();
    const std::string& name = names[data[0] % names.size()];
    const unsigned variant = data[0] / names.size();
    static const char* const kModes[] = {"auto", "C", "numeric", "alphanumeric", "kanji"};
    EncodeOptions options;
    options.gs1_validate = variant & 1;
    options.mode = kModes[variant % 5];
    options.encoding = variant & 2 ? "shift_jis" : "utf-8";
    options.scheme = variant & 4 ? "auto" : "ascii";
    options.columns = int(variant % 4);
    options.extended_guard = variant & 8;
    try {
        Encode(name, std::string(reinterpret_cast<const char*>(data + 1), size - 1), options);
    } catch (const EncodeError&) {
    }
    return 0;
}
