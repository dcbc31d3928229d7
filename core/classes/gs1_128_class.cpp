#include "core/classes/gs1_128_class.h"

#include <SDL.h>

#include <algorithm>

#include "core/render/text.h"
#include "symbologies/linear/code128_symbols.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr char kConvenienceTag[] = "[GS1-128 Convenience]";
// The widest first line: it decides the font size of the raster text.
constexpr char kConvenienceSample[] = "(91)912345-0000000000000000000000";

constexpr int kConvenienceModules = 288;

// The symbol of the code; `digits` receives its 44 digits for the text lines.
ModuleWidths EncodeConvenience(const std::string& code, std::string& digits) {
    digits = ConvenienceDigits(code);
    return code128::ToModuleWidths(ConvenienceValues(digits), "Invalid code value");
}

}  // namespace

GS1_128::GS1_128(std::string output_format) : BarcodeBase1D(std::move(output_format)) { SetFitWidth(true); }

std::string GS1_128::HumanText(const std::string& code) const { return GS1MarkedHumanText(code); }

bool GS1_128::DrawConvenience(const std::string& code, int x, int y, int width, int height) {
    std::string digits;
    ModuleWidths widths;
    int area_width = width;
    return RunDraw(
        kConvenienceTag, width, height,
        [&] {
            widths = EncodeConvenience(code, digits);
            const LinearGeometry geometry = SpreadModules(kConvenienceModules, width);
            area_width = geometry.width;
            return geometry;
        },
        [&](Painter& painter) {
            const std::vector<std::string> lines = ConvenienceTextLines(digits);
            if (painter.Vector()) {
                PaintConvenienceVector(painter, widths, lines, x, y, area_width, height);
            } else {
                PaintConvenienceRaster(painter, widths, lines, x, y, area_width, height);
            }
        });
}

bool GS1_128::DrawConvenienceSvg(const std::string& code, int x, int y, int width, int height) {
    return DrawConvenience(code, x, y, width, height);
}

// Raster text is sized by the glyphs' measured extent.
void GS1_128::PaintConvenienceRaster(Painter& painter, const ModuleWidths& widths,
                                     const std::vector<std::string>& lines, int x, int y, int width,
                                     int height) const {
    // The largest size (in steps of 2) whose widest line fits the width, else 8.
    int font_size = 0;
    int text_height = 8;
    for (int size = TextFontSize(height); size >= 8 && font_size == 0; size -= 2) {
        std::string why;
        const bool ready = PrepareTextSize(size, why);
        if (!ready) painter.Note(why);
        const auto measured = ready ? MeasureText(size, kConvenienceSample) : std::nullopt;
        if (measured && measured->width <= width) {
            font_size = size;
            text_height = measured->height;
        }
    }
    if (font_size == 0) {
        font_size = 8;
        if (const auto measured = MeasureText(font_size, kConvenienceSample)) text_height = measured->height;
    }
    const float bar_height = float(std::max(10, height - 2 * text_height));
    DrawBarsAt(painter, widths, float(x), float(y), ModuleScale(kConvenienceModules, width), bar_height);

    if (std::string why; !PrepareTextSize(font_size, why)) {
        painter.Note(why);
        painter.Note(std::string("OpenEmbeddedRobotoFont error: ") + SDL_GetError());
        return;
    }
    const Rgba colour = ForegroundColor();
    int top = y + int(bar_height);
    for (const std::string& line : lines) {
        TextPlacement at;
        at.top = float(top);
        if (!TextEvenSpacing()) {
            at.x = float(x);
            at.box_width = width;
            painter.Text(line, at, font_size, colour);
        } else {
            // The glyphs spread over the width with equal gaps between their measured extents.
            const auto glyph_width = [&](char c) {
                const auto extent = MeasureText(font_size, std::string(1, c));
                return extent ? std::max(0, extent->width) : 0;
            };
            int glyphs_width = 0;
            for (char c : line) glyphs_width += glyph_width(c);
            const float gap = std::max(0.0f, float(width - glyphs_width) / float(line.size() - 1));
            float left = float(x);
            at.anchor = TextAnchor::Start;
            for (char c : line) {
                at.x = float(int(left));
                painter.Text(std::string(1, c), at, font_size, colour);
                left += float(glyph_width(c)) + gap;
            }
        }
        const auto extent = MeasureText(font_size, line);
        top += extent ? std::max(0, extent->height) : 0;
    }
}

// Vector text has no metrics: sizes and advances are estimated from the font size.
void GS1_128::PaintConvenienceVector(Painter& painter, const ModuleWidths& widths,
                                     const std::vector<std::string>& lines, int x, int y, int width,
                                     int height) const {
    const int font_size = TextFontSize(height);
    const float bar_height = float(std::max(10, height - 2 * font_size));
    DrawBarsAt(painter, widths, float(x), float(y), ModuleScale(kConvenienceModules, width), bar_height);

    const int per_char = width / int(lines[0].size());
    const int text_size = std::max(8, std::min(font_size, int(float(per_char) * 1.5f)));
    TextPlacement at;
    at.top = float(y) + bar_height + 0.15f * float(text_size);
    for (const std::string& line : lines) {
        if (!TextEvenSpacing()) {
            at.x = float(x);
            at.box_width = width;
            at.anchor = TextAnchor::Middle;
            painter.Text(line, at, text_size, ForegroundColor());
        } else {
            const float advance = 0.6f * float(text_size);
            const float count = float(line.size());
            const float gap = std::max(0.0f, (float(width) - count * advance) / (count - 1));
            at.anchor = TextAnchor::Start;
            at.box_width = 0;
            for (size_t k = 0; k < line.size(); ++k) {
                at.x = float(x) + float(k) * (advance + gap);
                painter.Text(std::string(1, line[k]), at, text_size, ForegroundColor());
            }
        }
        at.top += float(font_size);
    }
}
