#include "core/classes/barcode_base_2d.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

// ---- Code page 932 <-> UTF-8 --------------------------------------------------------------------

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

// Sequence length announced by a UTF-8 lead byte (1 to 4), or 0 for a byte that cannot lead.
size_t Utf8LeadLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC0 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    return 0;
}

// Well-formed in the loose sense the conversion decision uses: every lead byte has its
// continuation bytes; overlong forms and surrogates are not looked at.
bool IsWellFormedUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const size_t n = Utf8LeadLength(static_cast<unsigned char>(text[i]));
        if (n == 0 || i + n > text.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
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
        const size_t n = Utf8LeadLength(lead);  // the text was checked to be well-formed
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

// ---- Module layout ------------------------------------------------------------------------------

// Module boundaries along one axis: `count` modules, boundary i at i x step, rounded (half away
// from zero) to whole pixels on the raster.
std::vector<double> Boundaries(int count, double step, bool round_to_pixels) {
    std::vector<double> b(size_t(count) + 1);
    for (int i = 0; i <= count; ++i) b[size_t(i)] = round_to_pixels ? std::round(i * step) : i * step;
    return b;
}

// Pixels per module along one axis of a stretched layout: whole (at least one) unless fit width.
double StretchedStep(int pixels, int modules, bool fit) {
    return fit ? double(pixels) / modules : double(std::max(1, pixels / modules));
}

// Square module size of the Data Matrix layout.
double SquareUnit(int width, int height, int columns, int rows, bool fit) {
    if (fit) return std::min(double(height) / rows, double(width) / columns);
    return double(std::max(1, std::min(height / rows, width / columns)));
}

}  // namespace

std::string ConvertStringEncoding(const std::string& text, const std::string& encoding) {
    const bool to_shift_jis = encoding == "shift-jis" || encoding == "Shift-JIS" || encoding == "shift_jis";
    const bool utf8 = IsWellFormedUtf8(text);
    if (to_shift_jis) return utf8 ? Utf8ToCp932(text) : text;
    return utf8 ? text : Cp932ToUtf8(text);
}

BarcodeBase2D::BarcodeBase2D(std::string output_format) : BarcodeBase(std::move(output_format)) {}

bool BarcodeBase2D::Draw(const std::string& code, int x, int y, int width, int height) {
    return DrawEncoded(ConvertStringEncoding(code, string_encoding_), x, y, width, height);
}

bool BarcodeBase2D::DrawEncoded(const std::string&, int, int, int, int) { return false; }

std::pair<int, int> BarcodeBase2D::SymbolSize(const std::string& code) {
    const ModuleMatrix matrix = EncodeMatrix(ConvertStringEncoding(code, string_encoding_));
    return {matrix.Columns(), matrix.Rows()};
}

bool BarcodeBase2D::DrawEncodedSquare(const std::string& bytes, int x, int y, int size) {
    return DrawEncoded(bytes, x, y, size, size);
}

bool BarcodeBase2D::DrawSquare(const std::string& code, int x, int y, int size) {
    return Draw(code, x, y, size, size);
}

// The origin arguments do not move the symbol: every raster draw gets a fresh canvas of its own and
// SVG positions are relative to the document, so the symbol always starts at the top left corner.
bool BarcodeBase2D::DrawModuleMatrix(const ModuleMatrix& matrix, int /*x*/, int /*y*/, int width, int height,
                                     MatrixLayout layout) {
    ClearFailure();
    if (matrix.Empty() && (IsSvgMode() || layout != MatrixLayout::Stretched)) return false;
    if (!IsSvgMode() && OutputFormat().empty()) return false;
    FitModuleSize(matrix, layout, width, height);
    return PaintModuleMatrix(matrix, width, height, layout);
}

bool BarcodeBase2D::DrawStretchedMatrix(const std::function<ModuleMatrix()>& encode, int x, int y, int width,
                                        int height) {
    ClearFailure();
    // A raster draw that cannot get a canvas ends before encoding (and its errors); at a fixed
    // module size the canvas follows from the symbol, so it is checked after.
    if (!IsSvgMode() && ModuleSize() == 0) {
        canvas_width_ = width;
        canvas_height_ = height;
        if (OutputFormat().empty() || !IsRasterMode() || !CanvasSizeUsable(width, height)) {
            ReleaseCanvas();
            return false;
        }
    }
    return DrawModuleMatrix(encode(), x, y, width, height, MatrixLayout::Stretched);
}

void BarcodeBase2D::FitModuleSize(const ModuleMatrix& matrix, MatrixLayout layout, int& width, int& height) const {
    if (ModuleSize() == 0 || matrix.Empty()) return;
    const long long px = ModuleSize();
    const long long rows = layout == MatrixLayout::StretchedRows ? (long long)matrix.Rows() * RowModules() : matrix.Rows();
    width = int(std::min(px * matrix.Columns(), 0x7FFFFFFFLL));
    height = int(std::min(px * rows, 0x7FFFFFFFLL));
}

void BarcodeBase2D::SquareArea(const ModuleMatrix& matrix, int width, int height, int& area_w, int& area_h) const {
    const double u = SquareUnit(width, height, matrix.Columns(), matrix.Rows(), FitWidth());
    area_w = int(std::ceil(matrix.Columns() * u));
    area_h = int(std::ceil(matrix.Rows() * u));
}

bool BarcodeBase2D::PaintModuleMatrix(const ModuleMatrix& matrix, int width, int height, MatrixLayout layout) {
    if (matrix.Empty()) return PaintOutput(width, height, 1.0, 1.0, [](Painter&) {});  // a blank canvas
    const bool svg = IsSvgMode();
    const int columns = matrix.Columns(), rows = matrix.Rows();
    const bool fit = FitWidth();

    // Drawing area: W x H, except Data Matrix, whose area shrinks to whole square modules.
    int area_w = width, area_h = height;
    if (layout == MatrixLayout::Square) SquareArea(matrix, width, height, area_w, area_h);

    double step_x, step_y;
    if (layout == MatrixLayout::Square) {
        if (svg && fit) {
            step_x = double(area_w) / columns;
            step_y = double(area_h) / rows;
        } else {
            // The raster unit is measured on the canvas, whose size is the area.
            step_x = step_y = SquareUnit(area_w, area_h, columns, rows, fit);
        }
    } else {
        step_x = StretchedStep(area_w, columns, fit);
        step_y = StretchedStep(area_h, rows, fit);
    }
    const std::vector<double> bx = Boundaries(columns, step_x, !svg);
    const std::vector<double> by = Boundaries(rows, step_y, !svg);
    // Rectangles grow by the black pixel adjustment; PDF417 modules keep their true size, since a
    // larger module swallows the narrow spaces at one or two pixels per module.
    const double grow = layout == MatrixLayout::StretchedRows ? 0.0 : PxAdjustBlack();
    // The quiet zone is measured in the matrix's own modules: PDF417 rows are several modules tall.
    const double quiet_y = layout == MatrixLayout::StretchedRows ? step_y / std::max(1, RowModules()) : step_y;

    const Rgba fg = ForegroundColor();
    return PaintOutput(area_w, area_h, step_x, quiet_y, [&](Painter& painter) {
        for (int r = 0; r < rows; ++r) {
            const double top = by[size_t(r)], extent_y = by[size_t(r) + 1] - top;
            if (extent_y <= 0) continue;
            for (int c = 0; c < columns; ++c) {
                if (!matrix.Get(c, r)) continue;
                const double left = bx[size_t(c)], extent_x = bx[size_t(c) + 1] - left;
                if (extent_x > 0) painter.Rect(left, top, extent_x + grow, extent_y + grow, fg);
            }
        }
    });
}
