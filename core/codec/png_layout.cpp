#include "core/codec/png_layout.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr size_t kMaxPalette = 256;

uint32_t Key(const Rgba& c) { return uint32_t(c.r) | uint32_t(c.g) << 8 | uint32_t(c.b) << 16 | uint32_t(c.a) << 24; }
Rgba ColourOf(uint32_t key) { return Rgba{uint8_t(key), uint8_t(key >> 8), uint8_t(key >> 16), uint8_t(key >> 24)}; }
bool IsGrey(uint32_t key) { return (key & 0xFF) == ((key >> 8) & 0xFF) && (key & 0xFF) == ((key >> 16) & 0xFF); }
bool IsOpaque(uint32_t key) { return key >> 24 == 0xFF; }

// The image's distinct colours up to one more than a palette holds, and what all its pixels share.
struct ColourSurvey {
    std::vector<uint32_t> colours;  // in order of first appearance; more than 256 means "too many"
    bool all_grey = true;
    bool all_opaque = true;
};

// The index of each colour of a list of at most 256 (plus one past it), by open addressing: anti-
// aliased text brings up to hundreds of colours, too many to search one by one for every pixel.
class ColourIndex {
public:
    // Index of `key`, added at the end when new.
    size_t IndexOf(uint32_t key) {
        if (last_ < colours_.size() && colours_[last_] == key) return last_;
        size_t slot = (key * 0x9E3779B1u) >> (32 - kSlotBits);
        while (slots_[slot] != 0 && colours_[slots_[slot] - 1u] != key) slot = (slot + 1) & (kSlots - 1);
        if (slots_[slot] == 0) {
            colours_.push_back(key);
            slots_[slot] = uint16_t(colours_.size());
        }
        return last_ = slots_[slot] - 1u;
    }
    const std::vector<uint32_t>& Colours() const { return colours_; }

private:
    static constexpr int kSlotBits = 10;
    static constexpr size_t kSlots = size_t(1) << kSlotBits;
    std::vector<uint32_t> colours_;
    std::array<uint16_t, kSlots> slots_{};  // 1 + index into colours_, 0 for a free slot
    size_t last_ = 0;
};

ColourSurvey Survey(const RasterCanvas& canvas, const std::vector<uint8_t>& repeated) {
    ColourSurvey survey;
    ColourIndex index;
    auto take = [&](const uint32_t& pixel) {
        const uint8_t* p = reinterpret_cast<const uint8_t*>(&pixel);
        const uint32_t key = Key(Rgba{p[0], p[1], p[2], p[3]});
        if (index.Colours().size() <= kMaxPalette) {
            const size_t known = index.Colours().size();
            if (index.IndexOf(key) < known) return;
        }
        survey.all_grey = survey.all_grey && IsGrey(key);
        survey.all_opaque = survey.all_opaque && IsOpaque(key);
    };
    const int width = canvas.Width();
    if (width == 0 || canvas.Height() == 0) return survey;
    // The last two values taken: a barcode alternates between two colours, so a row that holds
    // only those is passed over in one vectorised count (a value already taken adds nothing).
    uint32_t recent[2] = {canvas.Row(0)[0], canvas.Row(0)[0]};
    take(recent[0]);
    for (int y = 0; y < canvas.Height(); ++y) {
        if (repeated[size_t(y)]) continue;
        const uint32_t* pixels = canvas.Row(y);
        const uint32_t a = recent[0], b = recent[1];
        int unknown = 0;
        for (int x = 0; x < width; ++x) unknown += (pixels[x] != a) & (pixels[x] != b);
        if (unknown == 0) continue;
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = pixels[x];
            if (pixel == recent[0] || pixel == recent[1]) continue;
            recent[1] = recent[0];
            recent[0] = pixel;
            take(pixel);
        }
    }
    survey.colours = index.Colours();
    return survey;
}

// Fewest bits of grey (1, 2, 4, 8) that hold every value exactly: 255 / (2^bits - 1) divides it.
int GreyDepth(const std::vector<uint32_t>& colours) {
    for (int bits : {1, 2, 4}) {
        const uint32_t step = 255u / ((1u << bits) - 1u);
        if (std::all_of(colours.begin(), colours.end(), [&](uint32_t c) { return (c & 0xFF) % step == 0; }))
            return bits;
    }
    return 8;
}

int PaletteDepth(size_t count) { return count <= 2 ? 1 : count <= 4 ? 2 : count <= 16 ? 4 : 8; }

// Appends the `bits`-bit samples of one row, most significant bits first, the last byte padded.
template <typename SampleOf>
void PackRow(const uint8_t* row, int width, int bits, SampleOf sample_of, uint8_t* out) {
    if (bits == 8) {
        for (int x = 0; x < width; ++x) out[x] = sample_of(row + size_t(x) * 4);
        return;
    }
    const int per_byte = 8 / bits;
    int x = 0;
    if (bits == 1)  // whole bytes of eight pixels, the common case, without a variable shift
        for (; x + 8 <= width; x += 8) {
            // Each sample to its own bit, then ORed: independent steps rather than a chain of eight.
            unsigned byte = 0;
            for (int i = 0; i < 8; ++i) byte |= unsigned(sample_of(row + size_t(x + i) * 4)) << (7 - i);
            *out++ = uint8_t(byte);
        }
    for (; x < width; x += per_byte) {
        uint8_t byte = 0;
        const int end = std::min(width, x + per_byte);
        for (int i = x; i < end; ++i) byte |= uint8_t(sample_of(row + size_t(i) * 4) << (8 - bits * (i - x + 1)));
        *out++ = byte;
    }
}

}  // namespace

int PngLayout::Channels() const {
    switch (colour_type) {
        case PngColourType::kGreyAlpha: return 2;
        case PngColourType::kRgb: return 3;
        case PngColourType::kRgba: return 4;
        default: return 1;
    }
}

size_t PngLayout::Stride(int width) const { return (size_t(width) * size_t(Channels() * bit_depth) + 7) / 8; }

std::vector<uint8_t> RepeatedRows(const RasterCanvas& canvas) {
    std::vector<uint8_t> repeated(size_t(canvas.Height()), 0);
    for (int y = 1; y < canvas.Height(); ++y)
        repeated[size_t(y)] = std::memcmp(canvas.Row(y), canvas.Row(y - 1), size_t(canvas.Width()) * 4) == 0;
    return repeated;
}

PngLayout ChoosePngLayout(const RasterCanvas& canvas, const std::vector<uint8_t>& repeated) {
    ColourSurvey survey = Survey(canvas, repeated);
    PngLayout layout;
    if (survey.colours.size() > kMaxPalette) {
        layout.colour_type = survey.all_opaque ? (survey.all_grey ? PngColourType::kGrey : PngColourType::kRgb)
                                               : (survey.all_grey ? PngColourType::kGreyAlpha : PngColourType::kRgba);
        return layout;
    }
    const int palette_depth = PaletteDepth(survey.colours.size());
    if (survey.all_grey && survey.all_opaque && GreyDepth(survey.colours) <= palette_depth) {
        layout.colour_type = PngColourType::kGrey;
        layout.bit_depth = GreyDepth(survey.colours);
        return layout;
    }
    if (survey.all_grey && palette_depth == 8) {
        layout.colour_type = PngColourType::kGreyAlpha;
        return layout;
    }
    layout.colour_type = PngColourType::kPalette;
    layout.bit_depth = palette_depth;
    std::stable_partition(survey.colours.begin(), survey.colours.end(), [](uint32_t c) { return !IsOpaque(c); });
    for (uint32_t c : survey.colours) layout.palette.push_back(ColourOf(c));
    return layout;
}

OneBitLayout ChooseOneBitLayout(Rgba ink, Rgba paper) {
    const uint32_t ink_key = Key(ink), paper_key = Key(paper);
    auto black_or_white = [](uint32_t key) { return IsGrey(key) && IsOpaque(key) && ((key & 0xFF) == 0 || (key & 0xFF) == 255); };
    OneBitLayout result;
    result.layout.bit_depth = 1;
    if (black_or_white(ink_key) && black_or_white(paper_key)) {
        result.layout.colour_type = PngColourType::kGrey;
        result.invert = ink.r == 0;
        return result;
    }
    result.layout.colour_type = PngColourType::kPalette;
    result.invert = !IsOpaque(ink_key) && IsOpaque(paper_key);
    result.layout.palette = result.invert ? std::vector<Rgba>{ink, paper} : std::vector<Rgba>{paper, ink};
    return result;
}

void PackPixels(const RasterCanvas& canvas, const PngLayout& layout, const std::vector<uint8_t>& repeated,
                std::vector<uint8_t>& packed) {
    const int width = canvas.Width();
    const size_t stride = layout.Stride(width);
    packed.resize(stride * size_t(canvas.Height()));
    ColourIndex palette;
    for (const Rgba& c : layout.palette) palette.IndexOf(Key(c));
    // A grey level that the depth holds exactly, k x 255 / (2^depth - 1), has k in its top bits.
    const int grey_shift = 8 - layout.bit_depth;
    for (int y = 0; y < canvas.Height(); ++y) {
        uint8_t* out = packed.data() + size_t(y) * stride;
        if (repeated[size_t(y)]) continue;
        const uint8_t* row = reinterpret_cast<const uint8_t*>(canvas.Row(y));
        switch (layout.colour_type) {
            case PngColourType::kPalette:
                PackRow(row, width, layout.bit_depth,
                        [&](const uint8_t* p) { return uint8_t(palette.IndexOf(Key(Rgba{p[0], p[1], p[2], p[3]}))); }, out);
                break;
            case PngColourType::kGrey:
                PackRow(row, width, layout.bit_depth, [&](const uint8_t* p) { return uint8_t(p[0] >> grey_shift); }, out);
                break;
            case PngColourType::kGreyAlpha:
                for (int x = 0; x < width; ++x) {
                    out[2 * x] = row[4 * x];
                    out[2 * x + 1] = row[4 * x + 3];
                }
                break;
            case PngColourType::kRgb:
                for (int x = 0; x < width; ++x) std::memcpy(out + 3 * x, row + 4 * x, 3);
                break;
            case PngColourType::kRgba:
                std::memcpy(out, row, stride);
                break;
        }
    }
}
