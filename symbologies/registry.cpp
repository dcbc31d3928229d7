#include "symbologies/registry.h"

#include <algorithm>
#include <iterator>

#include "core/model/encode_error.h"
#include "core/text_encoding/utf8.h"
#include "symbologies/composite/composite_symbol.h"
#include "symbologies/databar/gs1_databar14.h"
#include "symbologies/databar/gs1_databar_expanded.h"
#include "symbologies/databar/gs1_databar_limited.h"
#include "symbologies/linear/code128.h"
#include "symbologies/linear/code39.h"
#include "symbologies/linear/code93.h"
#include "symbologies/linear/gs1_128.h"
#include "symbologies/linear/itf.h"
#include "symbologies/linear/itf14.h"
#include "symbologies/linear/matrix2of5.h"
#include "symbologies/linear/nec2of5.h"
#include "symbologies/linear/nw7.h"
#include "symbologies/matrix/datamatrix.h"
#include "symbologies/matrix/micro_qr.h"
#include "symbologies/matrix/micropdf417.h"
#include "symbologies/matrix/pdf417.h"
#include "symbologies/matrix/qr.h"
#include "symbologies/matrix/rmqr.h"
#include "symbologies/postal/yubin_customer.h"
#include "symbologies/retail/book_number_symbols.h"
#include "symbologies/retail/ean_upc_addon_symbols.h"
#include "symbologies/retail/jp_book.h"

namespace {

using EncodeFunction = EncodedSymbol (*)(const std::string& text, const EncodeOptions& options);

struct Symbology {
    const char* name;
    EncodeFunction encode;
};

// Every name Encode takes, one row each, in the order users see them.
const Symbology kSymbologies[] = {
    {"code39", EncodeCode39Symbol},
    {"code93", EncodeCode93Symbol},
    {"code128", EncodeCode128Symbol},
    {"gs1-128", EncodeGS1_128Symbol},
    {"gs1-128-convenience", EncodeConvenienceSymbol},
    {"nw7", EncodeNW7Symbol},
    {"itf", EncodeITFSymbol},
    {"itf14", EncodeItf14Symbol},
    {"matrix2of5", EncodeMatrix2of5Symbol},
    {"nec2of5", EncodeNEC2of5Symbol},
    {"ean13", EncodeEan13WithAddOn},
    {"ean8", EncodeEan8WithAddOn},
    {"upca", EncodeUpcAWithAddOn},
    {"upce", EncodeUpcEWithAddOn},
    {"isbn", EncodeIsbnSymbol},
    {"issn", EncodeIssnSymbol},
    {"ismn", EncodeIsmnSymbol},
    {"jp-book", EncodeJpBookSymbol},
    {"databar", EncodeDataBarSymbol},
    {"databar-stacked", EncodeDataBarStackedSymbol},
    {"databar-stacked-omni", EncodeDataBarStackedOmniSymbol},
    {"databar-limited", EncodeDataBarLimitedSymbol},
    {"databar-expanded", EncodeDataBarExpandedSymbol},
    {"databar-expanded-stacked", EncodeDataBarExpandedStackedSymbol},
    {"japanpost", EncodeJapanPostSymbol},
    {"qr", EncodeQrSymbol},
    {"gs1-qr", EncodeGS1QrSymbol},
    {"microqr", EncodeMicroQrSymbol},
    {"rmqr", EncodeRmqrSymbol},
    {"datamatrix", EncodeDataMatrixSymbol},
    {"gs1-datamatrix", EncodeGS1DataMatrixSymbol},
    {"pdf417", EncodePdf417Symbol},
    {"micropdf417", EncodeMicroPdf417},
};

}  // namespace

EncodedSymbol Encode(const std::string& symbology, const std::string& text, const EncodeOptions& options) {
    const auto found = std::find_if(std::begin(kSymbologies), std::end(kSymbologies),
                                    [&](const Symbology& s) { return symbology == s.name; });
    if (found == std::end(kSymbologies))
        throw EncodeError(EncodeErrorKind::InvalidOption,
                          "unknown symbology \"" + WithReplacementCharacters(symbology) + "\"");
    try {
        if (!options.composite.empty())
            return EncodeComposite(symbology, text, options.composite, options.composite_type, options);
        return found->encode(text, options);
    } catch (const EncodeError& e) {
        // Encoders count positions in bytes of the text; callers count characters. Messages from the
        // encoders shared with the classes may quote a lone byte of a character: they are made
        // well-formed UTF-8 here, under the symbology's name.
        const long position = e.Position() < 0 ? -1 : long(CodePointIndex(text, size_t(e.Position())));
        throw EncodeError(e.Kind(), symbology + ": " + WithReplacementCharacters(e.what()), position, e.Capacity());
    }
}

const std::vector<std::string>& EncodableSymbologies() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const Symbology& s : kSymbologies) out.emplace_back(s.name);
        return out;
    }();
    return names;
}
