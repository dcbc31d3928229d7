#include "core/text_encoding/utf8.h"

#include <cstdint>

namespace {

// Sequence length announced by a lead byte (1 to 4), or 0 for a byte that cannot lead.
size_t LeadLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC0 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    return 0;
}

}  // namespace

size_t Utf8SequenceLength(const std::string& text, size_t i) {
    const size_t n = LeadLength(static_cast<unsigned char>(text[i]));
    if (n == 0 || i + n > text.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
    return n;
}

size_t Utf8CharacterLength(const std::string& text, size_t i) {
    const size_t n = Utf8SequenceLength(text, i);
    if (n <= 1) return n;
    const char32_t cp = DecodeUtf8(&text[i], n);
    const char32_t smallest = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
    return cp >= smallest && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF) ? n : 0;
}

bool IsWellFormedUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const size_t n = Utf8SequenceLength(text, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

char32_t DecodeUtf8(const char* s, size_t n) {
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t cp = static_cast<unsigned char>(s[0]) & kLeadMask[n];
    for (size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[k]) & 0x3F);
    return cp;
}

std::u32string Utf8CodePoints(const std::string& text) {
    std::u32string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t n = Utf8CharacterLength(text, i);
        out += n == 0 ? U'\uFFFD' : DecodeUtf8(&text[i], n);
        i += n == 0 ? 1 : n;
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

std::string WithReplacementCharacters(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t n = Utf8CharacterLength(text, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(text, i, n);
            i += n;
        }
    }
    return out;
}

size_t CodePointIndex(const std::string& text, size_t offset) {
    size_t count = 0;
    for (size_t i = 0; i < text.size() && i < offset; ++count) {
        const size_t n = Utf8SequenceLength(text, i);
        i += n == 0 ? 1 : n;
    }
    return count;
}
