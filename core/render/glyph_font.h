#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Fonts for the render step's human-readable text, read with FreeType: the embedded OCR-B and
// Roboto, or a TrueType/OpenType file the caller names. Glyphs come as coverage bitmaps for raster
// output and as outlines for SVG, from the same face, so both outputs place the same ink.
// FreeType is not thread-safe: every call into it runs under one lock, and results are cached.

// One glyph at one pixel size. The bitmap's top left is (left, -top) from the pen on the baseline
// (y grows downwards); coverage is 0..255, `width` bytes a row (only 0 and 255 when not smoothed).
struct GlyphImage {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    double advance = 0.0;  // pixels
    std::vector<uint8_t> coverage;
};

// How a one-bit glyph drawn small is enlarged: each pixel to `whole` x `whole`; or, with
// `rows_half_again`, drawn two thirds as tall and every second row (counted from the baseline, so
// that all glyphs agree) doubled, for sizes too small to enlarge by two.
struct Enlargement {
    int whole = 1;
    bool rows_half_again = false;
};

class GlyphFont {
public:
    // "ocr-b", "roboto", or a font file's path; throws EncodeError (InvalidOption) when the file
    // cannot be opened as a font.
    static std::shared_ptr<const GlyphFont> Open(const std::string& name);

    // Height of the digit '0' (ink) per em: a text size asked as digit height becomes an em size.
    double DigitHeightPerEm() const { return digit_height_per_em_; }
    // The glyph of a code point at `em_pixels`, anti-aliased or hinted for whole pixels only
    // (a two-colour image stays two colours), then enlarged (metrics too); throws EncodeError
    // (InvalidOption) for a code point the face lacks, TooLarge for an em over 4000 pixels.
    std::shared_ptr<const GlyphImage> Glyph(char32_t code_point, double em_pixels, bool antialias,
                                            Enlargement enlarge) const;
    // The glyph's outline as SVG path data in font units (y down, origin on the pen); cached.
    std::string Outline(char32_t code_point) const;
    int UnitsPerEm() const;
    // A short name of the face for ids: the embedded fonts by name, a file by a hash of its path.
    const std::string& Tag() const { return tag_; }

    struct Face;
    GlyphFont(std::unique_ptr<Face> face, std::string tag);
    ~GlyphFont();

private:
    std::unique_ptr<Face> face_;
    std::string tag_;
    double digit_height_per_em_ = 0.7;
};

