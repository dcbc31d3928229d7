#include "core/render/render.h"

#include <algorithm>

#include "core/codec/image_encoder.h"
#include "core/codec/png_writer.h"
#include "core/codec/zpl_graphic.h"
#include "core/model/encode_error.h"
#include "core/render/print_document.h"
#include "core/render/raster_draw.h"
#include "core/render/svg_document.h"
#include "core/render/symbol_layout.h"

namespace {

std::pair<int, int> Turned(const SymbolLayout& layout, int rotate) {
    return rotate == 90 || rotate == 270 ? std::make_pair(layout.height, layout.width)
                                         : std::make_pair(layout.width, layout.height);
}

}  // namespace

LaidOutSymbol::LaidOutSymbol(const EncodedSymbol& symbol, const RenderOptions& options)
    : options_(options), layout_(std::make_shared<const SymbolLayout>(LayOutSymbol(symbol, options))) {}

std::pair<int, int> LaidOutSymbol::Size() const { return Turned(*layout_, options_.rotate); }

RenderResult LaidOutSymbol::Render(OutputKind kind) const {
    const SymbolLayout& layout = *layout_;
    const RenderOptions& options = options_;
    const auto [width, height] = Size();
    RenderResult result;
    result.width = width;
    result.height = height;
    if (kind == OutputKind::Pdf || kind == OutputKind::Eps) {
        const std::string doc =
            PrintDocument(layout, options, kind == OutputKind::Pdf ? PrintLanguage::Pdf : PrintLanguage::Eps);
        result.bytes.assign(doc.begin(), doc.end());
        return result;
    }
    if (options.cmyk)
        throw EncodeError(EncodeErrorKind::InvalidOption, "cmyk colours are for PDF and EPS output, not this kind");
    if (kind == OutputKind::Svg) {
        const std::string doc = SvgDocument(layout, options);
        result.bytes.assign(doc.begin(), doc.end());
        return result;
    }
    const long long pixels = (long long)width * height;
    if (pixels > options.max_pixels)
        throw EncodeError(EncodeErrorKind::TooLarge, "the image would have " + std::to_string(pixels) +
                                                         " pixels, more than the limit of " +
                                                         std::to_string(options.max_pixels));
    const ImageFormat format = kind == OutputKind::Jpeg ? ImageFormat::Jpeg : ImageFormat::PngSmallest;
    CheckImageDimensions(format, width, height);
    if (kind == OutputKind::Zpl) {  // a printer's dots: where the foreground inks, whatever its colour
        const BitCanvas ink = DrawInk(layout, options.rotate);
        const std::string field = ZplGraphicField(ink.Bytes(), ink.Stride(), ink.Height());
        result.bytes.assign(field.begin(), field.end());
        return result;
    }
    if (kind == OutputKind::Png && DrawsInTwoColours(options)) {
        BitCanvas ink = DrawInk(layout, options.rotate);
        const OneBitLayout png = ChooseOneBitLayout(options.foreground, options.background);
        if (png.invert) ink.Invert();
        result.bytes = EncodePackedPng(ink.Bytes(), ink.Width(), ink.Height(), png.layout, options.dpi);
    } else {
        result.bytes = EncodeCanvas(DrawRgba(layout, options), format, options.dpi);
    }
    if (result.bytes.empty())
        throw EncodeError(EncodeErrorKind::TooLarge, "the image could not be encoded");
    return result;
}

std::pair<int, int> RenderedSize(const EncodedSymbol& symbol, const RenderOptions& options) {
    return Turned(LayOutSymbol(symbol, options), options.rotate);
}

RenderResult Render(const EncodedSymbol& symbol, const RenderOptions& options, OutputKind kind) {
    return LaidOutSymbol(symbol, options).Render(kind);
}
