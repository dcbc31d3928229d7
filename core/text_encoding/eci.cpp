#include "core/text_encoding/eci.h"

#include <iconv.h>

#include <algorithm>
#include <iterator>
#include <string_view>

#include "core/model/encode_error.h"
#include "core/text_encoding/utf8.h"

namespace {

struct EciCharset {
    int eci;
    const char* iconv_name;  // glibc's converter for the set
    const char* label;       // as messages name it
};

// ECI 0 and 2 are code page 437, 1 and 3 ISO-8859-1 (1 and 2 are the older designators). Shift JIS
// is read as Windows code page 932, as QR Kanji mode and readers do.
constexpr EciCharset kCharsets[] = {
    {0, "CP437", "CP437"},
    {1, "ISO-8859-1", "ISO-8859-1"},
    {2, "CP437", "CP437"},
    {3, "ISO-8859-1", "ISO-8859-1"},
    {4, "ISO-8859-2", "ISO-8859-2"},
    {5, "ISO-8859-3", "ISO-8859-3"},
    {6, "ISO-8859-4", "ISO-8859-4"},
    {7, "ISO-8859-5", "ISO-8859-5"},
    {8, "ISO-8859-6", "ISO-8859-6"},
    {9, "ISO-8859-7", "ISO-8859-7"},
    {10, "ISO-8859-8", "ISO-8859-8"},
    {11, "ISO-8859-9", "ISO-8859-9"},
    {12, "ISO-8859-10", "ISO-8859-10"},
    {13, "ISO-8859-11", "ISO-8859-11"},
    {15, "ISO-8859-13", "ISO-8859-13"},
    {16, "ISO-8859-14", "ISO-8859-14"},
    {17, "ISO-8859-15", "ISO-8859-15"},
    {18, "ISO-8859-16", "ISO-8859-16"},
    {20, "CP932", "Shift JIS"},
    {21, "CP1250", "Windows-1250"},
    {22, "CP1251", "Windows-1251"},
    {23, "CP1252", "Windows-1252"},
    {24, "CP1256", "Windows-1256"},
    {25, "UTF-16BE", "UTF-16BE"},
    {26, "UTF-8", "UTF-8"},
    {27, "ASCII", "ASCII"},
    {28, "BIG5", "Big5"},
    {29, "GB2312", "GB 2312"},
    {30, "EUC-KR", "KS X 1001"},
    {31, "GBK", "GBK"},
    {32, "GB18030", "GB 18030"},
    {33, "UTF-16LE", "UTF-16LE"},
    {34, "UTF-32BE", "UTF-32BE"},
    {35, "UTF-32LE", "UTF-32LE"},
    {170, "ASCII", "ISO/IEC 646 invariant"},
};

const EciCharset* FindCharset(int eci) {
    const auto it = std::find_if(std::begin(kCharsets), std::end(kCharsets),
                                 [eci](const EciCharset& c) { return c.eci == eci; });
    return it == std::end(kCharsets) ? nullptr : &*it;
}

// ISO/IEC 646 characters that vary between national versions.
bool IsIso646Variant(unsigned char byte) { return std::string_view("#$@[\\]^`{|}~").find(char(byte)) != std::string_view::npos; }

[[noreturn]] void ThrowUnencodable(const std::string& text, size_t offset, int eci, const char* label) {
    const size_t n = std::max<size_t>(1, Utf8SequenceLength(text, offset));
    throw EncodeError(EncodeErrorKind::InvalidCharacter,
                      "character " + std::to_string(CodePointIndex(text, offset) + 1) + " ('" +
                          text.substr(offset, n) + "') has no form in ECI " + std::to_string(eci) + " (" + label + ")",
                      long(offset));
}

// The byte offset of the first character ISO-8859-1 cannot hold, or npos.
size_t FirstBeyondLatin1(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) { ++i; continue; }
        const size_t n = Utf8CharacterLength(text, i);
        if (n != 2 || DecodeUtf8(&text[i], n) > 0xFF) return i;
        i += n;
    }
    return std::string::npos;
}

std::string Latin1Bytes(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t n = std::max<size_t>(1, Utf8SequenceLength(text, i));
        out += char(DecodeUtf8(&text[i], n));
        i += n;
    }
    return out;
}

// The text through glibc's converter; `failed_at` is the byte offset of the first character the set
// has no form for, npos when all converted.
std::string ConvertWithIconv(const std::string& text, const char* to, size_t& failed_at) {
    failed_at = std::string::npos;
    iconv_t cd = iconv_open(to, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        failed_at = 0;
        return {};
    }
    std::string out(text.size() * 4 + 8, '\0');
    char* src = const_cast<char*>(text.data());
    char* dst = out.data();
    size_t src_left = text.size(), dst_left = out.size();
    const bool ok = iconv(cd, &src, &src_left, &dst, &dst_left) != size_t(-1) &&
                    iconv(cd, nullptr, nullptr, &dst, &dst_left) != size_t(-1);
    iconv_close(cd);
    if (!ok) failed_at = size_t(src - text.data());
    out.resize(out.size() - dst_left);
    return out;
}

// The byte offset of the first character the charset cannot hold (npos: none) and the bytes.
std::string Convert(const std::string& text, const EciCharset& charset, size_t& failed_at) {
    failed_at = std::string::npos;
    if (charset.eci == 1 || charset.eci == kEciLatin1) {
        failed_at = FirstBeyondLatin1(text);
        return failed_at == std::string::npos ? Latin1Bytes(text) : std::string();
    }
    if (charset.eci == kEciUtf8) {
        for (size_t i = 0; i < text.size();) {
            const size_t n = Utf8CharacterLength(text, i);
            if (n == 0) {
                failed_at = i;
                return {};
            }
            i += n;
        }
        return text;
    }
    if (charset.eci == 170) {
        for (size_t i = 0; i < text.size(); ++i) {
            const unsigned char byte = static_cast<unsigned char>(text[i]);
            if (byte >= 0x80 || IsIso646Variant(byte)) {
                failed_at = i;
                return {};
            }
        }
        return text;
    }
    return ConvertWithIconv(text, charset.iconv_name, failed_at);
}

}  // namespace

bool IsKnownEci(int eci) { return eci == kEciBinary || FindCharset(eci) != nullptr; }

bool FitsEci(const std::string& utf8_text, int eci) {
    if (eci == kEciBinary) return true;
    const EciCharset* charset = FindCharset(eci == kNoEci ? kEciLatin1 : eci);
    if (charset == nullptr) return false;
    size_t failed_at;
    if (charset->eci == kEciLatin1) return FirstBeyondLatin1(utf8_text) == std::string::npos;
    Convert(utf8_text, *charset, failed_at);
    return failed_at == std::string::npos;
}

std::string EncodeForEci(const std::string& utf8_text, int eci) {
    if (eci == kEciBinary) return utf8_text;
    const EciCharset* charset = FindCharset(eci == kNoEci ? kEciLatin1 : eci);
    if (charset == nullptr)
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "eci " + std::to_string(eci) +
                              " is not a character set this library encodes (0-13, 15-18, 20-35, 170, 899)");
    size_t failed_at;
    std::string bytes = Convert(utf8_text, *charset, failed_at);
    if (failed_at != std::string::npos) ThrowUnencodable(utf8_text, failed_at, charset->eci, charset->label);
    return bytes;
}

EciText ChooseEciText(const std::string& utf8_text, int eci) {
    if (eci != kNoEci) {
        if (!IsWellFormedUtf8(utf8_text) && IsKnownEci(eci)) return {eci, utf8_text};
        return {eci, EncodeForEci(utf8_text, eci)};
    }
    if (!IsWellFormedUtf8(utf8_text)) return {kNoEci, utf8_text};
    if (FirstBeyondLatin1(utf8_text) == std::string::npos) return {kNoEci, Latin1Bytes(utf8_text)};
    return {kEciUtf8, utf8_text};
}
