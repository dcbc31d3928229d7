#include "symbologies/aztec/aztec.h"

#include <algorithm>

#include "core/text_encoding/eci.h"
#include "gs1/element_input.h"
#include "symbologies/aztec/aztec_text.h"
#include "symbologies/structured_append.h"
#include "symbologies/symbol_building.h"

namespace {

// More than a full-range 32-layer symbol holds at the least error correction (4 bits a digit).
constexpr size_t kAztecMostCharacters = 4800;
// ISO/IEC 24778 asks for no quiet zone; readers find the bull's-eye without one, but a margin
// keeps neighbouring print apart.
constexpr double kAztecQuiet = 1;
constexpr int kMostStructuredAppendSymbols = 26;
constexpr size_t kMostStructuredAppendIdLength = 32;

// Every size in the order they grow: compact before full-range of the same width (compact holds more).
const std::vector<AztecSize>& SizesBySize() {
    static const std::vector<AztecSize> sizes = [] {
        std::vector<AztecSize> all;
        for (int layers = 1; layers <= 32; ++layers) {
            if (layers <= 4) all.push_back(AztecSize{true, layers});
            all.push_back(AztecSize{false, layers});
        }
        std::stable_sort(all.begin(), all.end(), [](const AztecSize& a, const AztecSize& b) {
            return a.Modules() != b.Modules() ? a.Modules() < b.Modules() : a.compact && !b.compact;
        });
        return all;
    }();
    return sizes;
}

// Readers take a reader-initialisation symbol in a compact symbol of 1 layer or a full-range one of
// up to 22 layers (as zint makes them; zxing-cpp reads no larger compact one).
constexpr int kReaderInitMostCompactLayers = 1;
constexpr int kReaderInitMostLayers = 22;

bool Allowed(const AztecSize& size, const AztecSizing& sizing) {
    if (sizing.reader_init &&
        size.layers > (size.compact ? kReaderInitMostCompactLayers : kReaderInitMostLayers))
        return false;
    return (sizing.layers == 0 || size.layers == sizing.layers) &&
           (!sizing.compact.has_value() || *sizing.compact == size.compact);
}

// The share of the symbol's words rounded down, plus 3: zint holds as much at most sizes and more at
// none, so no symbol here is larger than zint's at the same level.
int RequiredCheckWords(const AztecSize& size, int error_percent) {
    return size.TotalWords() * error_percent / 100 + 3;
}

std::string Describe(const AztecSize& size) {
    return std::to_string(size.layers) + (size.layers == 1 ? " layer" : " layers") +
           (size.compact ? " (compact)" : " (full-range)");
}

void CheckSizing(const AztecSizing& sizing) {
    if (sizing.error_percent < 5 || sizing.error_percent > 90)
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "error_percent " + std::to_string(sizing.error_percent) + " is not 5 to 90");
    const int most = sizing.compact.value_or(false) ? 4 : 32;
    if (sizing.layers < 0 || sizing.layers > most)
        throw EncodeError(EncodeErrorKind::InvalidOption, "layers " + std::to_string(sizing.layers) + " is not 1 to " +
                                                              std::to_string(most) + (most == 4 ? " (compact)" : "") +
                                                              " or 0 (automatic)");
    if (sizing.reader_init && ((sizing.compact.value_or(false) && sizing.layers > kReaderInitMostCompactLayers) ||
                               sizing.layers > kReaderInitMostLayers))
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "reader_init takes a compact symbol of 1 layer or a full-range one of up to 22 layers");
}

AztecSizing SizingOf(const EncodeOptions& options) {
    const AztecSizing sizing{options.error_percent, options.layers, options.compact, options.reader_init};
    CheckSizing(sizing);
    return sizing;
}

// Structured append opens with a Mixed and an Upper latch, then " id " when there is an id, then the
// symbol's position and the sequence's length as letters A-Z.
std::vector<int> StructuredAppendHeader(const std::string& option) {
    const StructuredAppend append = ReadStructuredAppend(option, kMostStructuredAppendSymbols);
    if (append.count == 0) return {};
    if (append.id.size() > kMostStructuredAppendIdLength)
        throw EncodeError(EncodeErrorKind::InvalidOption, "structured_append id has more than 32 characters");
    std::vector<int> header;
    if (!append.id.empty()) {
        header.push_back(' ');
        for (const char c : append.id) {
            if (c <= ' ' || c > '~')
                throw EncodeError(EncodeErrorKind::InvalidOption,
                                  "structured_append id takes printable ASCII characters other than space");
            header.push_back(uint8_t(c));
        }
        header.push_back(' ');
    }
    header.push_back('A' + append.index - 1);
    header.push_back('A' + append.count - 1);
    return header;
}

EncodedSymbol Finish(const ModuleMatrix& matrix, std::string full_text) {
    return MatrixSymbol(matrix, 1, kAztecQuiet, std::move(full_text));
}

}  // namespace

AztecChoice ChooseAztecSize(const std::vector<uint8_t>& bits, const AztecSizing& sizing) {
    std::vector<uint16_t> words_of[4];  // the data words at 6, 8, 10 and 12 bits, made when first asked
    const AztecSize* largest = nullptr;
    for (const AztecSize& size : SizesBySize()) {
        if (!Allowed(size, sizing)) continue;
        largest = &size;
        std::vector<uint16_t>& words = words_of[size.WordBits() / 2 - 3];
        if (words.empty()) words = AztecDataWords(bits, size.WordBits());
        if (int(words.size()) <= size.MostDataWords(sizing.reader_init) &&
            int(words.size()) + RequiredCheckWords(size, sizing.error_percent) <= size.TotalWords())
            return AztecChoice{size, std::move(words)};
    }
    const int capacity = std::min(largest->MostDataWords(sizing.reader_init),
                                  largest->TotalWords() - RequiredCheckWords(*largest, sizing.error_percent));
    throw EncodeError(EncodeErrorKind::TooLong,
                      "the data needs " + std::to_string(words_of[largest->WordBits() / 2 - 3].size()) +
                          " words of " + std::to_string(largest->WordBits()) + " bits; " + Describe(*largest) +
                          (largest->layers == 1 ? " holds " : " hold ") + std::to_string(capacity) +
                          " with error_percent " + std::to_string(sizing.error_percent) +
                          (sizing.reader_init ? " and reader_init" : ""),
                      -1, capacity);
}

ModuleMatrix EncodeAztecItems(const std::vector<int>& items, const AztecSizing& sizing, bool structured_append) {
    std::vector<uint8_t> bits;
    if (structured_append) AppendAztecStructuredAppendLatches(bits);
    AppendAztecItems(bits, items);
    const AztecChoice choice = ChooseAztecSize(bits, sizing);
    return BuildAztecSymbol(choice.size, choice.words, sizing.reader_init);
}

EncodedSymbol EncodeAztecSymbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, kAztecMostCharacters);
    const AztecSizing sizing = SizingOf(options);
    std::vector<int> items = StructuredAppendHeader(options.structured_append);
    const bool structured_append = !items.empty();
    RefuseEmpty(text);
    const EciText encoded = ChooseEciText(text, options.eci);
    if (encoded.eci != kNoEci) items.push_back(kAztecEciItem + encoded.eci);
    items.insert(items.end(), encoded.bytes.begin(), encoded.bytes.end());
    for (size_t i = items.size() - encoded.bytes.size(); i < items.size(); ++i) items[i] = uint8_t(items[i]);
    return Finish(EncodeAztecItems(items, sizing, structured_append), text);
}

EncodedSymbol EncodeGS1AztecSymbol(const std::string& text, const EncodeOptions& options) {
    RefuseLongerThan(text, kAztecMostCharacters);
    const AztecSizing sizing = SizingOf(options);
    RefuseEmpty(text);
    const std::vector<GS1Element> elements = ReadGS1Input(text, options.gs1_validate);
    std::vector<int> items{kAztecFnc1};
    for (const char c : GS1Data(elements, '\x1D')) items.push_back(c == '\x1D' ? kAztecFnc1 : int(uint8_t(c)));
    return Finish(EncodeAztecItems(items, sizing, false), GS1HumanReadable(elements));
}

EncodedSymbol EncodeAztecRuneSymbol(const std::string& text, const EncodeOptions&) {
    RefuseLongerThan(text, 3);
    RefuseEmpty(text);
    int value = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "a rune is a number 0 to 255, not \"" + text + "\"",
                              long(i));
        value = value * 10 + (text[i] - '0');
        if (value > 255)
            throw EncodeError(EncodeErrorKind::InvalidData, "a rune is a number 0 to 255, not \"" + text + "\"");
    }
    return Finish(BuildAztecRune(value), text);
}
