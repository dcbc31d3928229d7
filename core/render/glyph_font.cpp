#include "core/render/glyph_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_FONT_FORMATS_H

#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <functional>
#include <map>
#include <mutex>
#include <tuple>

#include "core/model/encode_error.h"
#include "resources/ocrb_regular.h"
#include "resources/roboto_regular.h"

namespace {

// Recursive: a face may be closed (its last user gone) while the lock is already held.
std::recursive_mutex g_freetype_mutex;
FT_Library g_library = nullptr;
// Fonts by name, opened once; caller-named files beyond the bound are opened for the one use.
std::map<std::string, std::shared_ptr<const GlyphFont>> g_fonts;
constexpr size_t kMaxCachedFonts = 16;
// Glyph images kept per face; the cache starts over when full.
constexpr size_t kMaxCachedGlyphs = 4096;
// An em this large is hostile rather than useful (glyph images of tens of megabytes).
constexpr double kMaxEmPixels = 4000.0;

FT_Library Library() {
    if (g_library == nullptr && FT_Init_FreeType(&g_library) != 0)
        throw EncodeError(EncodeErrorKind::InvalidOption, "the font engine could not be started");
    return g_library;
}

// Space characters, whose glyphs have no outline.
bool IsBlank(char32_t c) {
    return c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x205F ||
           c == 0x3000 || c == 0xFEFF;
}

std::string CodePointName(char32_t c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", unsigned(c));
    return buf;
}

// Outline commands as SVG path data in font units, y turned downwards, each point relative to
// the one before (shorter numbers); a minus sign separates numbers where it can instead of a space.
struct PathBuilder {
    std::string d;
    long x = 0, y = 0;              // the current point
    long start_x = 0, start_y = 0;  // where the contour began, to which "z" returns
    void Number(long v) {
        if (v >= 0 && !d.empty() && d.back() >= '0' && d.back() <= '9') d += ' ';
        d += std::to_string(v);
    }
    // Every point of a command, control points too, is relative to the point before the command.
    void Command(char c, std::initializer_list<const FT_Vector*> points) {
        d += c;
        for (const FT_Vector* p : points) {
            Number(p->x - x);
            Number(-p->y - y);
        }
        const FT_Vector* end = *(points.end() - 1);
        x = end->x;
        y = -end->y;
    }
    static PathBuilder& Of(void* user) { return *static_cast<PathBuilder*>(user); }
    static int Move(const FT_Vector* to, void* user) {
        auto& b = Of(user);
        if (!b.d.empty()) {
            b.d += 'z';
            b.x = b.start_x;
            b.y = b.start_y;
        }
        b.Command('m', {to});
        b.start_x = b.x;
        b.start_y = b.y;
        return 0;
    }
    static int Line(const FT_Vector* to, void* user) {
        auto& b = Of(user);
        if (to->x == b.x || -to->y == b.y) {  // horizontal and vertical lines need one number
            const bool across = -to->y == b.y;
            b.d += across ? 'h' : 'v';
            b.Number(across ? to->x - b.x : -to->y - b.y);
            b.x = to->x;
            b.y = -to->y;
            return 0;
        }
        b.Command('l', {to});
        return 0;
    }
    static int Conic(const FT_Vector* control, const FT_Vector* to, void* user) {
        Of(user).Command('q', {control, to});
        return 0;
    }
    static int Cubic(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
        Of(user).Command('c', {c1, c2, to});
        return 0;
    }
};

}  // namespace

struct GlyphFont::Face {
    FT_Face face = nullptr;
    bool truetype = false;
    mutable std::map<std::tuple<char32_t, long, bool, int, bool>, std::shared_ptr<const GlyphImage>> glyphs;
    mutable std::map<char32_t, std::string> outlines;
    ~Face() {
        std::lock_guard<std::recursive_mutex> lock(g_freetype_mutex);
        if (face != nullptr) FT_Done_Face(face);
    }
};

GlyphFont::GlyphFont(std::unique_ptr<Face> face, std::string tag) : face_(std::move(face)), tag_(std::move(tag)) {
    FT_Face f = face_->face;
    if (FT_Load_Char(f, '0', FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) == 0 && f->units_per_EM > 0) {
        FT_BBox box;
        FT_Outline_Get_CBox(&f->glyph->outline, &box);
        if (box.yMax > box.yMin) digit_height_per_em_ = double(box.yMax - box.yMin) / f->units_per_EM;
    }
}

GlyphFont::~GlyphFont() = default;

std::shared_ptr<const GlyphFont> GlyphFont::Open(const std::string& name) {
    std::lock_guard<std::recursive_mutex> lock(g_freetype_mutex);
    if (const auto found = g_fonts.find(name); found != g_fonts.end()) return found->second;
    auto face = std::make_unique<Face>();
    FT_Error error;
    if (name == "ocr-b" || name == "roboto") {
        const bool ocrb = name == "ocr-b";
        error = FT_New_Memory_Face(Library(), ocrb ? kOcrbRegularOtf : kRobotoRegularTtf,
                                   FT_Long(ocrb ? kOcrbRegularOtfSize : kRobotoRegularTtfSize), 0, &face->face);
    } else {
        error = FT_New_Face(Library(), name.c_str(), 0, &face->face);
    }
    if (error != 0 || face->face == nullptr || !FT_IS_SCALABLE(face->face))
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "font '" + name + "' is neither \"ocr-b\", \"roboto\" nor a readable TrueType/OpenType file");
    face->truetype = std::strcmp(FT_Get_Font_Format(face->face), "TrueType") == 0;
    char tag[24];
    if (name == "ocr-b" || name == "roboto") std::snprintf(tag, sizeof tag, "%s", name == "ocr-b" ? "o" : "r");
    else std::snprintf(tag, sizeof tag, "f%zx", std::hash<std::string>()(name));
    auto font = std::make_shared<const GlyphFont>(std::move(face), tag);
    if (g_fonts.size() < kMaxCachedFonts) g_fonts.emplace(name, font);
    return font;
}

int GlyphFont::UnitsPerEm() const { return face_->face->units_per_EM; }

std::shared_ptr<const GlyphImage> GlyphFont::Glyph(char32_t code_point, double em_pixels, bool antialias,
                                                   Enlargement enlargement) const {
    const int enlarge = enlargement.whole;
    const bool half_again = enlargement.rows_half_again && !antialias;
    if (!(em_pixels > 0.0 && enlarge >= 1 && em_pixels * enlarge <= kMaxEmPixels)) {
        char size[32];
        std::snprintf(size, sizeof size, "%.1f", em_pixels * enlarge);
        throw EncodeError(EncodeErrorKind::TooLarge, std::string("text of ") + size +
                                                         " pixels an em cannot be drawn (the most is " +
                                                         std::to_string(int(kMaxEmPixels)) + ")");
    }
    const long em64 = std::lround(em_pixels * 64.0);
    std::lock_guard<std::recursive_mutex> lock(g_freetype_mutex);
    const auto key = std::make_tuple(code_point, em64, antialias, enlarge, half_again);
    if (const auto found = face_->glyphs.find(key); found != face_->glyphs.end()) return found->second;
    FT_Face f = face_->face;
    const FT_UInt index = FT_Get_Char_Index(f, FT_ULong(code_point));
    // A missing glyph would print as an empty box: refused, so that another font can be chosen.
    if (index == 0) throw EncodeError(EncodeErrorKind::InvalidOption, "the font has no glyph for " + CodePointName(code_point));
    // Without smoothing the outline is hinted to whole pixels and rasterised at one bit a pixel:
    // CFF faces (OCR-B) by their own hints, whose digits came out rounder than the auto-hinter's;
    // TrueType faces (Roboto) by the auto-hinter, whose one-bit digits came out cleaner and
    // smaller in PNG than by the font's own instructions.
    const FT_Int32 load = antialias ? FT_LOAD_TARGET_LIGHT
                                    : FT_LOAD_TARGET_MONO | (face_->truetype ? FT_LOAD_FORCE_AUTOHINT : 0);
    const FT_Render_Mode mode = antialias ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO;
    if (FT_Set_Char_Size(f, em64, half_again ? em64 * 2 / 3 : em64, 72, 72) != 0 || FT_Load_Glyph(f, index, load) != 0)
        throw EncodeError(EncodeErrorKind::InvalidOption, "the glyph for " + CodePointName(code_point) +
                                                              " could not be loaded from the font");
    // A visible character with no outline comes from a damaged font (a truncated file loads, and
    // draws nothing): refused rather than printed as blank.
    if (f->glyph->format == FT_GLYPH_FORMAT_OUTLINE && f->glyph->outline.n_points == 0 && !IsBlank(code_point))
        throw EncodeError(EncodeErrorKind::InvalidOption, "the font has no outline for " + CodePointName(code_point) +
                                                              ": the font file is damaged or truncated");
    if (FT_Render_Glyph(f->glyph, mode) != 0)
        throw EncodeError(EncodeErrorKind::InvalidOption, "the glyph for " + CodePointName(code_point) +
                                                              " could not be drawn at " + std::to_string(em_pixels) +
                                                              " pixels an em");
    const FT_GlyphSlot slot = f->glyph;
    auto glyph = std::make_shared<GlyphImage>();
    glyph->left = slot->bitmap_left * enlarge;
    glyph->top = slot->bitmap_top * enlarge;
    glyph->width = int(slot->bitmap.width) * enlarge;
    glyph->height = int(slot->bitmap.rows) * enlarge;
    glyph->advance = double(slot->linearHoriAdvance) / 65536.0 * enlarge;
    // The image row each output row copies: one each, or rows from the baseline doubled in turn.
    std::vector<int> source_rows;
    if (half_again) {
        auto drawn_at = [](long row) { return long(std::floor(1.5 * double(row))); };  // row from the baseline
        const long top = slot->bitmap_top, bottom = long(slot->bitmap.rows) - top;
        glyph->top = int(-drawn_at(-top));
        glyph->height = int(drawn_at(bottom) - drawn_at(-top));
        for (long row = -top; row < bottom; ++row)
            source_rows.insert(source_rows.end(), size_t(drawn_at(row + 1) - drawn_at(row)), int(row + top));
    } else {
        for (int y = 0; y < glyph->height; ++y) source_rows.push_back(y / enlarge);
    }
    glyph->coverage.resize(size_t(glyph->width) * size_t(glyph->height));
    const bool one_bit = slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    for (int y = 0; y < glyph->height; ++y) {
        const uint8_t* row = slot->bitmap.buffer + ptrdiff_t(source_rows[size_t(y)]) * slot->bitmap.pitch;
        for (int x = 0; x < glyph->width; ++x) {
            const int sx = x / enlarge;
            glyph->coverage[size_t(y) * size_t(glyph->width) + size_t(x)] =
                one_bit ? uint8_t((row[sx >> 3] >> (7 - (sx & 7)) & 1) * 255) : row[sx];
        }
    }
    if (face_->glyphs.size() >= kMaxCachedGlyphs) face_->glyphs.clear();
    face_->glyphs.emplace(key, glyph);
    return glyph;
}

std::string GlyphFont::Outline(char32_t code_point) const {
    std::lock_guard<std::recursive_mutex> lock(g_freetype_mutex);
    if (const auto found = face_->outlines.find(code_point); found != face_->outlines.end()) return found->second;
    FT_Face f = face_->face;
    PathBuilder path;
    if (FT_Load_Glyph(f, FT_Get_Char_Index(f, FT_ULong(code_point)), FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) == 0 &&
        f->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
        const FT_Outline_Funcs funcs{&PathBuilder::Move, &PathBuilder::Line, &PathBuilder::Conic, &PathBuilder::Cubic,
                                     0, 0};
        FT_Outline_Decompose(&f->glyph->outline, &funcs, &path);
        if (!path.d.empty()) path.d += 'z';
    }
    if (face_->outlines.size() >= kMaxCachedGlyphs) face_->outlines.clear();
    face_->outlines.emplace(code_point, path.d);
    return path.d;
}
