#include "symbologies/registry.h"

#include <utility>

#include "core/model/encode_error.h"
#include "core/text_encoding/utf8.h"
#include "symbologies/aztec/aztec.h"
#include "symbologies/composite/composite_symbol.h"
#include "symbologies/databar/gs1_databar14.h"
#include "symbologies/databar/gs1_databar_expanded.h"
#include "symbologies/databar/gs1_databar_limited.h"
#include "symbologies/health/code32.h"
#include "symbologies/health/hibc.h"
#include "symbologies/health/pharmacode.h"
#include "symbologies/health/pzn.h"
#include "symbologies/linear/code128.h"
#include "symbologies/linear/code39.h"
#include "symbologies/linear/code11.h"
#include "symbologies/linear/code39_variants.h"
#include "symbologies/linear/code93.h"
#include "symbologies/linear/code93_full_ascii.h"
#include "symbologies/linear/dx_film_edge.h"
#include "symbologies/linear/flattermarken.h"
#include "symbologies/linear/gs1_128.h"
#include "symbologies/linear/gs1_shortcuts.h"
#include "symbologies/linear/itf.h"
#include "symbologies/linear/itf14.h"
#include "symbologies/linear/matrix2of5.h"
#include "symbologies/linear/msi.h"
#include "symbologies/linear/nec2of5.h"
#include "symbologies/linear/nw7.h"
#include "symbologies/linear/plessey.h"
#include "symbologies/linear/telepen.h"
#include "symbologies/linear/two_of_five.h"
#include "symbologies/linear/vin.h"
#include "symbologies/matrix/datamatrix.h"
#include "symbologies/matrix/datamatrix_sizes.h"
#include "symbologies/matrix/micro_qr.h"
#include "symbologies/matrix/micropdf417.h"
#include "symbologies/matrix/pdf417.h"
#include "symbologies/matrix/qr.h"
#include "symbologies/matrix/rmqr.h"
#include "symbologies/matrix/rmqr_tables.h"
#include "symbologies/matrix/upnqr.h"
#include "symbologies/option_rows.h"
#include "symbologies/postal/auspost.h"
#include "symbologies/postal/deutsche_post.h"
#include "symbologies/postal/fim_daft.h"
#include "symbologies/postal/imb.h"
#include "symbologies/postal/parcel_codes.h"
#include "symbologies/postal/postnet.h"
#include "symbologies/postal/rm4scc.h"
#include "symbologies/postal/yubin_customer.h"
#include "symbologies/retail/book_number_symbols.h"
#include "symbologies/retail/ean_upc_addon_symbols.h"
#include "symbologies/retail/jp_book.h"
#include "symbologies/stacked/codablock_f.h"
#include "symbologies/stacked/code16k.h"

namespace {

const char* const kLinear10X = "no published standard: 10 as ITF, ISO/IEC 16390:2007 4.4";
const char* const kRetail = "ISO/IEC 15420:2009 5.2.4; GS1 General Specifications 5.2.3.4.1";
const char* const kGS1_128 = "GS1 General Specifications 21.0.1 5.4.4.2";
const char* const kDataBar = "GS1 General Specifications 21.0.1 5.5.1.1: none required";
const char* const kQr = "ISO/IEC 18004:2015 9.1";
const char* const kDataMatrix = "ISO/IEC 16022:2006 7.1";
const char* const kAztec = "ISO/IEC 24778:2024 12 (dimensions): none required; 1 module kept";
const char* const kGtin = "09501101530003";
const char* const kElementString = "(01)09501101530003";
const char* const kMicroPdf417 = "ISO/IEC 24728:2006: 1 module every side";
const char* const kHibc = "A123BJC5D6E71";
const char* const kAsZint = "no published minimum: as zint leaves";
const char* const kCode39 = "ISO/IEC 16388:2007 4.4 (d)";
const char* const kPharmacode = "Laetus Pharmacode: no minimum published here; 6 modules (3 mm at X = 0.5 mm) as zint";

OptionEntry BearerOption(const char* default_value) {
    return ChoiceOption("bearer", {"none", "frame", "top-bottom"}, default_value, "bearer bars");
}

OptionEntry EciOption() {
    return AutoIntegerOption("eci", 0, 999999,
                             "ECI designator: the character set the text is written in (auto: as readers expect)");
}

std::vector<OptionEntry> Pdf417Options() {
    return {AutoIntegerOption("error_level", 0, 8, "error correction level (auto: from the data size)"),
            AutoIntegerOption("columns", 1, 30, "data columns (auto: by aspect ratio)"),
            AutoIntegerOption("rows", 3, 90, "rows (auto: as the data needs)"),
            AutoNumberOption("aspect_ratio", 0.001, 1000, "height / width the column count aims at"),
            NumberOption("row_height", 1, 100, 3, "row height in modules"),
            FlagOption("compact", false, "compact PDF417: no right row indicator, a one-module stop bar"),
            EciOption()};
}

OptionEntry MicroPdf417ColumnsOption() {
    return AutoIntegerOption("columns", 1, 4, "data columns (auto: the smallest size)");
}

OptionEntry Mod10Option() {
    return ChoiceOption("check", {"none", "mod10"}, "none", "GS1 modulo 10 check digit after the data");
}

OptionEntry Mod43Option() {
    return ChoiceOption("check", {"none", "mod43"}, "none", "modulo 43 check character after the data");
}

OptionEntry QrErrorOption() { return ChoiceOption("error", {"L", "M", "Q", "H"}, "M", "error correction level"); }

OptionEntry QrVersionOption() {
    return AutoIntegerOption("version", 1, kQrMaxVersion,
                             "smallest version (size) to use; a larger one is taken when the data needs it");
}

std::vector<std::string> RmqrSizeNames() {
    std::vector<std::string> names = {"auto"};
    for (int i = 0; i < kRmqrSizes; ++i) names.push_back(RmqrName(i));
    return names;
}

std::vector<OptionEntry> DataMatrixSizeOptions() {
    std::vector<std::string> sizes = {"auto"};
    for (int i = 0; i < kDataMatrixSizeCount; ++i) sizes.push_back(DataMatrixSizeName(i));
    return {ChoiceOption("size", sizes, "auto", "symbol size, rows x columns (auto: the smallest of the shape)"),
            ChoiceOption("shape", {"any", "square", "rectangle"}, "any",
                         "sizes the automatic size takes (any: the smallest area, square on a tie)")};
}

std::vector<OptionEntry> AztecSizeOptions() {
    const OptionEntry error_percent =
        IntegerOption("error_percent", 5, 90, 23, "check words as a percentage of the symbol, plus 3");
    OptionEntry compact = FlagOption("compact", false, "compact (True) or full-range (False) only; None: the smaller");
    compact.automatic = true;
    compact.default_value = "auto";
    return {error_percent,
            AutoIntegerOption("layers", 1, 32,
                              "data layers, fixing the size (compact 1-4, full-range 1-32; auto: the smallest)"),
            compact, FlagOption("reader_init", false, "reader initialisation symbol (programs the reader)")};
}

std::vector<OptionEntry> Concat(std::vector<OptionEntry> a, const std::vector<OptionEntry>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

SymbologyEntry Row(const char* name, EncodeFunction encode, const char* title, const char* quiet_zone_source,
                   const char* example, std::vector<OptionEntry> options = {}) {
    SymbologyEntry entry;
    entry.name = name;
    entry.encode = encode;
    entry.title = title;
    entry.quiet_zone_source = quiet_zone_source;
    entry.example = example;
    entry.options = std::move(options);
    return entry;
}

SymbologyEntry WithAliases(SymbologyEntry entry, std::vector<std::string> aliases) {
    entry.aliases = std::move(aliases);
    return entry;
}

const char* const kUspsPostnet = "USPS DMM 708.4: 0.125 in each side, 0.04 in above and below";
const char* const kRoyalMail = "Royal Mail customer barcode: 2 mm all round";
const char* const kAusPost =
    "Australia Post Customer Barcoding Technical Specifications: 6 mm each side, 2 mm above and below";

// Postal codes print at their standard's module unless told otherwise: `x_dim_mm` is half the bar
// pitch (1/44 inch at 22 bars per inch).
SymbologyEntry Postal(SymbologyEntry entry, double x_dim_mm = 25.4 / 44) {
    entry.x_dim_mm = x_dim_mm;
    return entry;
}

// Matrix codes are drawn at 4 pixels a module unless told otherwise; `digital_link_as` names the
// symbology a GS1 Digital Link URI goes into.
SymbologyEntry Matrix(SymbologyEntry entry, const char* digital_link_as = "") {
    entry.default_scale = 4;
    entry.digital_link_as = digital_link_as;
    return entry;
}

std::vector<SymbologyEntry> MakeTable() {
    const std::vector<OptionEntry> retail = WithComposite({ExtendedGuardOption(), AddOnOption()});
    return {
        Row("code39", EncodeCode39Symbol, "Code 39", "ISO/IEC 16388:2007 4.4 (d)", "A", {ShowStartStopOption()}),
        Row("code93", EncodeCode93Symbol, "Code 93", "ANSI/AIM BC5-1995 2.4", "A"),
        Row("code128", EncodeCode128Symbol, "Code 128", "ISO/IEC 15417:2007 4.4.2", "A",
            {ChoiceOption("mode", {"auto", "AB", "A", "B", "C"}, "auto",
                          "code set (auto: shortest mix; AB: shortest without set C)"),
             TextOption("code_sets", "\"\" or a letter A, B or C per character",
                        "the code set of each character, e.g. BBCCCC for AB1234 (\"\": chosen)"),
             FlagOption("reader_init", false, "reader initialisation: FNC3 after the start")}),
        Row("gs1-128", EncodeGS1_128Symbol, "GS1-128", kGS1_128, kElementString, WithComposite({ValidateOption()})),
        Row("gs1-128-convenience", EncodeConvenienceSymbol, "GS1-128 convenience-store payment form", kGS1_128,
            "9111111111111111111111111111111111111111111"),
        WithAliases(Row("nw7", EncodeNW7Symbol, "NW-7 (Codabar)", "EN 798:1995 4.4.1 (d)", "A1B",
                        {ShowStartStopOption()}),
                    {"codabar"}),
        Row("itf", EncodeITFSymbol, "ITF (Interleaved 2 of 5)", "ISO/IEC 16390:2007 4.4", "12",
            {BearerOption("none")}),
        Row("itf14", EncodeItf14Symbol, "ITF-14 (GTIN-14)",
            "ISO/IEC 16390:2007 4.4; GS1 General Specifications (ITF-14: 10X)", "1234567890123",
            {BearerOption("frame")}),
        Row("matrix2of5", EncodeMatrix2of5Symbol, "Matrix 2 of 5", kLinear10X, "1"),
        Row("nec2of5", EncodeNEC2of5Symbol, "NEC 2 of 5", kLinear10X, "1"),
        WithAliases(Row("ean13", EncodeEan13WithAddOn, "EAN-13 (JAN-13)", kRetail, "490123456789", retail),
                    {"jan13"}),
        WithAliases(Row("ean8", EncodeEan8WithAddOn, "EAN-8 (JAN-8)", kRetail, "4901234", retail), {"jan8"}),
        Row("upca", EncodeUpcAWithAddOn, "UPC-A", kRetail, "03600029145", retail),
        Row("upce", EncodeUpcEWithAddOn, "UPC-E", kRetail, "0123456", retail),
        Row("isbn", EncodeIsbnSymbol, "ISBN (EAN-13 with its caption)", kRetail, "978-0-306-40615-7", {AddOnOption()}),
        Row("issn", EncodeIssnSymbol, "ISSN (EAN-13 with its caption)", kRetail, "0317-8471", {AddOnOption()}),
        Row("ismn", EncodeIsmnSymbol, "ISMN (EAN-13 with its caption)", kRetail, "M-2306-7118-7", {AddOnOption()}),
        Row("jp-book", EncodeJpBookSymbol, "Japanese book code (ISBN and price bars)", kRetail,
            "9784003261842 C0197 940"),
        Row("databar", EncodeDataBarSymbol, "GS1 DataBar Omnidirectional", kDataBar, kGtin, CompositeOptions()),
        Row("databar-stacked", EncodeDataBarStackedSymbol, "GS1 DataBar Stacked", kDataBar, kGtin,
            CompositeOptions()),
        Row("databar-stacked-omni", EncodeDataBarStackedOmniSymbol, "GS1 DataBar Stacked Omnidirectional", kDataBar,
            kGtin, CompositeOptions()),
        Row("databar-limited", EncodeDataBarLimitedSymbol, "GS1 DataBar Limited", kDataBar, "15012345678907",
            CompositeOptions()),
        Row("databar-expanded", EncodeDataBarExpandedSymbol, "GS1 DataBar Expanded", kDataBar, kElementString,
            WithComposite({ValidateOption()})),
        Row("databar-expanded-stacked", EncodeDataBarExpandedStackedSymbol, "GS1 DataBar Expanded Stacked", kDataBar,
            kElementString,
            WithComposite({ValidateOption(), IntegerOption("columns", 1, 10, 2, "segment pairs per row")})),
        Row("japanpost", EncodeJapanPostSymbol, "Japan Post customer barcode",
            "Japan Post customer barcode manual: 2 mm on every side at X = 0.6 mm, 3.33 modules rounded up",
            "1000013"),
        Postal(WithAliases(Row("imb", EncodeIntelligentMailSymbol, "USPS Intelligent Mail barcode",
                               "USPS-B-3200 clear zone: 0.125 in each side, 0.028 in above and below",
                               "01234567094987654321-01234567891"),
                           {"intelligent-mail", "onecode"})),
        Postal(Row("postnet", EncodePostnetSymbol, "USPS POSTNET", kUspsPostnet, "12345")),
        Postal(Row("planet", EncodePlanetSymbol, "USPS PLANET", kUspsPostnet, "12345678901")),
        Postal(WithAliases(Row("rm4scc", EncodeRm4sccSymbol, "Royal Mail 4-state customer code (RM4SCC)", kRoyalMail,
                               "BX11LT1A"),
                           {"royalmail"})),
        Postal(Row("kix", EncodeKixSymbol, "KIX (PostNL 4-state)", "PostNL KIX: 2 mm all round, as Royal Mail's",
                   "2500GG30250")),
        Postal(Row("auspost", EncodeAusPostSymbol, "Australia Post customer barcode (standard, 2 and 3)", kAusPost,
                   "39987520")),
        Postal(Row("auspost-reply", EncodeAusPostReplySymbol, "Australia Post reply paid barcode", kAusPost,
                   "12345678")),
        Postal(Row("auspost-route", EncodeAusPostRouteSymbol, "Australia Post routing barcode", kAusPost,
                   "12345678")),
        Postal(Row("auspost-redirect", EncodeAusPostRedirectSymbol, "Australia Post redirection barcode", kAusPost,
                   "12345678")),
        Postal(Row("cepnet", EncodeCepnetSymbol, "Correios CEPNet",
                   "as POSTNET (USPS DMM 708.4): 0.125 in each side, 0.04 in above and below", "01311000")),
        Postal(Row("daft", EncodeDaftSymbol, "Four-state bars from D/A/F/T letters",
                   "Royal Mail customer barcode: 2 mm all round (as RM4SCC)", "FADT")),
        Postal(Row("fim", EncodeFimSymbol, "USPS facing identification mark (A-E)", "USPS DMM 708.9: 1/8 in all round",
                   "A"),
               25.4 / 32),
        Row("leitcode", EncodeLeitcodeSymbol, "Deutsche Post Leitcode (ITF)", "ISO/IEC 16390:2007 4.4 (as ITF)",
            "2134807501640"),
        Row("identcode", EncodeIdentcodeSymbol, "Deutsche Post Identcode (ITF)", "ISO/IEC 16390:2007 4.4 (as ITF)",
            "56310243031"),
        WithAliases(Row("upu-s10", EncodeUpuS10Symbol, "UPU S10 item identifier (Code 128)",
                        "ISO/IEC 15417:2007 4.4.2 (as Code 128)", "EE876543216CA"),
                    {"s10"}),
        Row("dpd", EncodeDpdSymbol, "DPD parcel label (Code 128)", "ISO/IEC 15417:2007 4.4.2 (as Code 128)",
            "%000393206219912345678101040"),
        Matrix(Row("qr", EncodeQrSymbol, "QR Code", kQr, "A",
                   {QrErrorOption(), QrVersionOption(),
                    ChoiceOption("mode", {"auto", "byte", "numeric", "alphanumeric", "kanji"}, "auto",
                                 "encodation mode (kanji: Kanji mode, 13 bits a Shift JIS double-byte character)"),
                    EncodingOption(), EciOption()}),
               "qr"),
        Matrix(Row("gs1-qr", EncodeGS1QrSymbol, "GS1 QR Code", kQr, kElementString,
                   {QrErrorOption(), QrVersionOption(), ValidateOption()}),
               "qr"),
        Matrix(WithAliases(
            Row("microqr", EncodeMicroQrSymbol, "Micro QR Code", "ISO/IEC 18004:2015 9.1: 2 modules", "1",
                {ChoiceOption("error", {"L", "M", "Q"}, "L", "error correction level (M1: detection only; Q: M4 only)"),
                 ChoiceOption("version", {"auto", "M1", "M2", "M3", "M4"}, "auto",
                              "symbol size M1 to M4, fixed (auto: the smallest that holds the data)", "size"),
                 EncodingOption()}),
            {"micro-qr"})),
        Matrix(Row("rmqr", EncodeRmqrSymbol, "rMQR (rectangular Micro QR)", "ISO/IEC 23941:2022 6.3.8: 2 modules",
                   "1",
                   {ChoiceOption("error", {"M", "H"}, "M", "error correction level"),
                    ChoiceOption("version", RmqrSizeNames(), "auto",
                                 "symbol size, fixed (auto: the smallest area that holds the data)", "size"),
                    AutoIntegerOption("rows", 7, 17,
                                      "symbol height in modules (7, 9, ..., 17) when the size is chosen: for narrow "
                                      "labels"),
                    EciOption(), EncodingOption()})),
        Matrix(Row("upnqr", EncodeUpnQrSymbol, "UPN QR (Slovenian payment slip)", kQr,
                   "UPNQR\n\n\n\n\nJanez Novak\nDunajska 1\n1000 Ljubljana\n00000008105\n\n\nRENT\nPlačilo najemnine\n"
                   "\nSI56051008010486080\nSI0012345678\nStanovanjsko podjetje\nDunajska 38\n1000 Ljubljana\n188\n")),
        Matrix(Row("datamatrix", EncodeDataMatrixSymbol, "Data Matrix (ECC 200)", kDataMatrix, "A",
                   Concat(DataMatrixSizeOptions(),
                          {ChoiceOption("scheme", {"ascii", "auto", "c40", "text", "x12", "edifact", "base256"},
                                        "auto", "encodation scheme (auto: fewest codewords)"),
                           EncodingOption()})),
               "datamatrix"),
        Matrix(Row("gs1-datamatrix", EncodeGS1DataMatrixSymbol, "GS1 Data Matrix", kDataMatrix, kElementString,
                   Concat(DataMatrixSizeOptions(), {ValidateOption()})),
               "datamatrix"),
        Row("pdf417", EncodePdf417Symbol, "PDF417", "ISO/IEC 15438:2015 5.8.3", "A",
            Concat(Pdf417Options(), {EncodingOption()})),
        Row("micropdf417", EncodeMicroPdf417, "MicroPDF417", kMicroPdf417, "A",
            {MicroPdf417ColumnsOption(), EciOption()}),
        WithAliases(Row("code39-ascii", EncodeCode39FullAsciiSymbol, "Code 39 Full ASCII", kCode39, "Ab1",
                        {Mod43Option()}),
                    {"code39-full-ascii"}),
        Row("logmars", EncodeLogmarsSymbol, "LOGMARS (MIL-STD-1189B Code 39, wide bars 3X)", kCode39, "LOGMARS",
            {Mod43Option()}),
        Row("pzn", EncodePznSymbol, "PZN (Pharmazentralnummer) in Code 39", kCode39, "1234567",
            {FlagOption("pzn7", false, "PZN-7 (6 digits and the check) rather than PZN-8")}),
        WithAliases(Row("code32", EncodeCode32Symbol, "Code 32 (Italian pharmacode, A + 9 digits)", kCode39,
                        "12345678"),
                    {"italian-pharmacode"}),
        Row("pharmacode", EncodePharmacodeSymbol,
            "Pharmacode one-track 3-131070 (bars 0.5/1.5 mm, spaces 1 mm at X = 0.5 mm)", kPharmacode, "1234"),
        Row("pharmacode-two-track", EncodePharmacodeTwoTrackSymbol,
            "Pharmacode two-track 4-64570080 (bars and spaces 1X)", kPharmacode, "12345"),
        Row("hibc-128", EncodeHibc128Symbol, "HIBC LIC/PAS in Code 128 (ANSI/HIBC 2.6)", "ISO/IEC 15417:2007 4.4.2",
            kHibc),
        Row("hibc-39", EncodeHibc39Symbol, "HIBC LIC/PAS in Code 39 (ANSI/HIBC 2.6), wide bars 3X", kCode39, kHibc),
        Matrix(Row("hibc-datamatrix", EncodeHibcDataMatrixSymbol, "HIBC LIC/PAS in Data Matrix (ANSI/HIBC 2.6)",
                   kDataMatrix, kHibc, DataMatrixSizeOptions())),
        Matrix(Row("hibc-qr", EncodeHibcQrSymbol, "HIBC LIC/PAS in QR Code (ANSI/HIBC 2.6)", kQr, kHibc,
                   {QrErrorOption(), QrVersionOption()})),
        Row("hibc-pdf417", EncodeHibcPdf417Symbol, "HIBC LIC/PAS in PDF417 (ANSI/HIBC 2.6)", "ISO/IEC 15438:2015 5.8.3",
            kHibc, Pdf417Options()),
        Row("hibc-micropdf417", EncodeHibcMicroPdf417Symbol, "HIBC LIC/PAS in MicroPDF417 (ANSI/HIBC 2.6)",
            kMicroPdf417, kHibc, {MicroPdf417ColumnsOption()}),
        WithAliases(Row("msi", EncodeMsiSymbol, "MSI Plessey", kAsZint, "1234567",
                        {ChoiceOption("check",
                                      {"none", "mod10", "mod10-10", "mod11", "mod11-10", "mod11-ncr", "mod11-ncr-10"},
                                      "none", "check digits: modulo 10, twice, modulo 11 (IBM or NCR weights), then 10")}),
                    {"msi-plessey"}),
        Row("plessey", EncodePlesseySymbol, "UK Plessey (hex digits and the CRC)", kAsZint, "1234ABCD"),
        Row("code11", EncodeCode11Symbol, "Code 11 (USD-8)", kAsZint, "123-45",
            {ChoiceOption("check", {"ck", "c", "none"}, "ck", "check characters: C and K, C only, or none")}),
        Row("telepen", EncodeTelepenSymbol, "Telepen (ASCII)", kAsZint, "Telepen 1"),
        Row("telepen-numeric", EncodeTelepenNumericSymbol, "Telepen numeric (digit pairs, X last)", kAsZint, "12345"),
        Row("code93-ascii", EncodeCode93FullAsciiSymbol, "Code 93 Full ASCII", "ANSI/AIM BC5-1995 2.4", "a$b~"),
        Row("ean14", EncodeEan14Symbol, "EAN-14 (GTIN-14 in GS1-128, AI 01)", kGS1_128, "0950110153000"),
        WithAliases(Row("sscc18", EncodeSscc18Symbol, "SSCC-18 (GS1-128, AI 00)", kGS1_128, "09501101530000001"),
                    {"nve18"}),
        Row("industrial2of5", EncodeIndustrial2of5Symbol, "Industrial 2 of 5 (digits in the bars)", kLinear10X, "123",
            {Mod10Option()}),
        Row("iata2of5", EncodeIata2of5Symbol, "IATA 2 of 5", kLinear10X, "123", {Mod10Option()}),
        Row("datalogic2of5", EncodeDataLogic2of5Symbol, "Data Logic 2 of 5", kLinear10X, "123", {Mod10Option()}),
        Row("dx-film-edge", EncodeDxFilmEdgeSymbol, "DX film edge barcode (DX number, frame)", kAsZint, "77-2/12A"),
        Row("flattermarken", EncodeFlattermarkenSymbol, "Flattermarken (bookbinding collating marks)",
            "none: the marks stand on the spine, as zint draws them", "1304"),
        Row("vin", EncodeVinSymbol, "VIN (ISO 3779) in Code 39, the North American check digit checked", kCode39,
            "1M8GDM9AXKP042788"),
        Matrix(Row("aztec", EncodeAztecSymbol, "Aztec Code", kAztec, "A",
                   Concat(AztecSizeOptions(),
                          {AutoIntegerOption("eci", 0, 999999,
                                             "ECI designator the text is encoded under (auto: ISO-8859-1 when the "
                                             "text fits, else UTF-8 behind ECI 26)"),
                           TextOption("structured_append", "\"INDEX,COUNT[,ID]\", e.g. \"1,3,MSG\" (up to 26 symbols)",
                                      "this symbol's place in a message spread over several")}))),
        Matrix(Row("gs1-aztec", EncodeGS1AztecSymbol, "GS1 Aztec Code", kAztec, kElementString,
                   Concat(AztecSizeOptions(), {ValidateOption()}))),
        Matrix(Row("aztec-rune", EncodeAztecRuneSymbol, "Aztec rune", kAztec, "0")),
        Row("codablock-f", EncodeCodablockFSymbol, "Codablock-F",
            "AIM Europe USS Codablock F 1995: 10 modules each side, as Code 128", "CODABLOCK-F 1234567890",
            {AutoIntegerOption("columns", 4, 62, "data columns per row (auto: about the square root of the length)"),
             AutoIntegerOption("rows", 2, 44, "rows, filler rows added (auto: as the data needs)")}),
        Row("code16k", EncodeCode16kSymbol, "Code 16K",
            "ANSI/AIM BC7 (USS Code 16K): 10 modules before, 1 after, inside the rows (the bars above and below "
            "run across them)",
            "Code 16K 0123456789", {AutoIntegerOption("rows", 2, 16, "rows, pad rows added (auto: as the data needs)")}),
    };
}

const SymbologyEntry* Find(const std::string& name) {
    for (const SymbologyEntry& entry : Symbologies())
        if (entry.name == name) return &entry;
    return nullptr;
}

}  // namespace

EncodedSymbol Encode(const std::string& symbology, const std::string& text, const EncodeOptions& options) {
    const SymbologyEntry* found = Find(symbology);
    if (found == nullptr)
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

const std::vector<SymbologyEntry>& Symbologies() {
    static const std::vector<SymbologyEntry> table = MakeTable();
    return table;
}

const std::vector<std::string>& EncodableSymbologies() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const SymbologyEntry& s : Symbologies()) out.emplace_back(s.name);
        return out;
    }();
    return names;
}
