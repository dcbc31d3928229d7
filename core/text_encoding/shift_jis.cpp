#include "core/text_encoding/shift_jis.h"

#include <iconv.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "core/text_encoding/utf8.h"

namespace {

// glibc's "CP932" converter carries the Windows table: the NEC row 13 and IBM extension rows, the
// user-defined area as private-use characters, U+FF5E for 0x8160 and the other Windows readings of
// the JIS symbols, and the Windows preferences when several codes read as one character. What it
// lacks are the five single bytes Windows maps to U+0080 and to the private-use U+F8F0..U+F8F3.
struct SingleByteSpecial {
    unsigned char byte;
    char32_t code_point;
};
constexpr SingleByteSpecial kSingleByteSpecials[] = {
    {0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3},
};

constexpr char kDefaultChar = '?';        // what a character without a code page 932 form becomes
constexpr char32_t kUndecodable = 0x30FB;  // what Windows reads for bytes code page 932 does not define

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("Shift-JIS conversion is not available");
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts one whole character; false when the converter has no form for it.
    bool Convert(const char* in, size_t length, std::string& out) {
        char buffer[8];
        char* src = const_cast<char*>(in);
        char* dst = buffer;
        size_t src_left = length, dst_left = sizeof buffer;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &src, &src_left, &dst, &dst_left) == size_t(-1) || src_left != 0) return false;
        out.append(buffer, dst);
        return true;
    }

private:
    iconv_t cd_;
};

// The conversions read up to the first zero byte, as the Windows calls do on a terminated string.
size_t LengthToFirstZero(const std::string& text) {
    const size_t zero = text.find('\0');
    return zero == std::string::npos ? text.size() : zero;
}

std::string Utf8ToCp932(const std::string& text) {
    Iconv converter("CP932", "UTF-8");
    const size_t end = LengthToFirstZero(text);
    std::string out;
    out.reserve(end);
    for (size_t i = 0; i < end;) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += char(lead);
            ++i;
            continue;
        }
        const size_t n = Utf8SequenceLength(text, i);  // the text was checked to be well-formed
        const char32_t cp = DecodeUtf8(&text[i], n);
        const auto special = std::find_if(std::begin(kSingleByteSpecials), std::end(kSingleByteSpecials),
                                          [cp](const SingleByteSpecial& s) { return s.code_point == cp; });
        if (special != std::end(kSingleByteSpecials)) {
            out += char(special->byte);
        } else if (!converter.Convert(&text[i], n, out)) {
            // No form in the code page; overlong forms, surrogates and characters beyond the BMP
            // land here too (one default character each).
            out += kDefaultChar;
        }
        i += n;
    }
    return out;
}

bool IsCp932Lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsCp932Trail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

std::string Cp932ToUtf8(const std::string& text) {
    Iconv converter("UTF-8", "CP932");
    const size_t end = LengthToFirstZero(text);
    std::string out;
    out.reserve(end * 3 / 2);
    for (size_t i = 0; i < end;) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out += char(b);
            ++i;
        } else if (b >= 0xA1 && b <= 0xDF) {  // half-width katakana
            AppendUtf8(out, 0xFF61 + (b - 0xA1));
            ++i;
        } else if (IsCp932Lead(b) && i + 1 < end && IsCp932Trail(static_cast<unsigned char>(text[i + 1]))) {
            if (!converter.Convert(&text[i], 2, out)) AppendUtf8(out, kUndecodable);
            i += 2;
        } else {
            const auto special = std::find_if(std::begin(kSingleByteSpecials), std::end(kSingleByteSpecials),
                                              [b](const SingleByteSpecial& s) { return s.byte == b; });
            AppendUtf8(out, special != std::end(kSingleByteSpecials) ? special->code_point : kUndecodable);
            ++i;
        }
    }
    return out;
}

}  // namespace

std::string ConvertStringEncoding(const std::string& text, const std::string& encoding) {
    const bool to_shift_jis = encoding == "shift-jis" || encoding == "Shift-JIS" || encoding == "shift_jis";
    const bool utf8 = IsWellFormedUtf8(text);
    if (to_shift_jis) return utf8 ? Utf8ToCp932(text) : text;
    return utf8 ? text : Cp932ToUtf8(text);
}
