#include "tests/fuzz/fuzz_classes.h"

#include <cfloat>
#include <cmath>

#include "core/classes/barcode_base_1d.h"
#include "core/classes/barcode_base_2d.h"
#include "symbologies/databar/gs1_databar14.h"
#include "symbologies/databar/gs1_databar_expanded.h"
#include "symbologies/databar/gs1_databar_limited.h"
#include "symbologies/linear/code128.h"
#include "symbologies/linear/code39.h"
#include "symbologies/linear/code93.h"
#include "symbologies/linear/gs1_128.h"
#include "symbologies/linear/itf.h"
#include "symbologies/linear/matrix2of5.h"
#include "symbologies/linear/nec2of5.h"
#include "symbologies/linear/nw7.h"
#include "symbologies/matrix/datamatrix.h"
#include "symbologies/matrix/pdf417.h"
#include "symbologies/matrix/qr.h"
#include "symbologies/postal/yubin_customer.h"
#include "symbologies/retail/jan13.h"
#include "symbologies/retail/jan8.h"
#include "symbologies/retail/upc_a.h"
#include "symbologies/retail/upc_e.h"
#include "core/classes/linear_classes.h"
#include "core/classes/gs1_128_class.h"
#include "core/classes/retail_classes.h"
#include "core/classes/databar_classes.h"
#include "core/classes/yubin_customer_class.h"
#include "core/classes/matrix_classes.h"

namespace {

template <typename T>
std::unique_ptr<BarcodeBase> Make(const std::string& output_format) {
    return std::make_unique<T>(output_format);
}

bool DrawLinear(BarcodeBase& s, const std::string& code, int width, int height, bool) {
    return s.Draw(code, 0, 0, width, height);
}

bool DrawMatrix(BarcodeBase& s, const std::string& code, int width, int height, bool rect) {
    return rect ? s.Draw(code, 0, 0, width, height) : static_cast<BarcodeBase2D&>(s).DrawSquare(code, 0, 0, width);
}

bool DrawGs1128(BarcodeBase& s, const std::string& code, int width, int height, bool convenience) {
    return convenience ? static_cast<GS1_128&>(s).DrawConvenience(code, 0, 0, width, height)
                       : s.Draw(code, 0, 0, width, height);
}

bool DrawYubin(BarcodeBase& s, const std::string& code, int width, int height, bool with_width) {
    return with_width ? s.Draw(code, 0, 0, width, height) : static_cast<YubinCustomer&>(s).DrawByHeight(code, 0, 0, height);
}

// A Python float passed to a float parameter: beyond float's range it becomes an infinity.
float AsFloat(double value) {
    if (value > FLT_MAX) return INFINITY;
    if (value < -FLT_MAX) return -INFINITY;
    return float(value);
}

void NoOwnSetters(BarcodeBase&, SettingSource&) {}

template <typename T>
void SetShowStartStop(BarcodeBase& s, SettingSource& in) {
    static_cast<T&>(s).SetShowStartStop(in.Bool());
}

void SetCode128(BarcodeBase& s, SettingSource& in) {
    static const Code128Mode kModes[] = {Code128Mode::kAuto, Code128Mode::kCodeA, Code128Mode::kCodeB,
                                         Code128Mode::kCodeC};
    static_cast<Code128&>(s).SetCodeMode(in.Pick(kModes));
}

void SetRetail(BarcodeBase& s, SettingSource& in) { static_cast<EanUpcBarcode&>(s).SetExtendedGuard(in.Bool()); }

void SetDataBar14(BarcodeBase& s, SettingSource& in) {
    static const DataBar14Type kTypes[] = {kDataBar14Omnidirectional, kDataBar14Stacked,
                                           kDataBar14StackedOmnidirectional};
    static_cast<GS1DataBar14&>(s).SetSymbolType(in.Pick(kTypes));
}

void SetExpanded(BarcodeBase& s, SettingSource& in) {
    auto& expanded = static_cast<GS1DataBarExpanded&>(s);
    expanded.SetStacked(in.Bool());
    expanded.SetColumns(in.Int(INT32_MIN, INT32_MAX));
}

void SetEncoding(BarcodeBase& s, SettingSource& in) {
    static const char* const kEncodings[] = {"utf-8", "shift_jis", "UTF-8", "latin-1", ""};
    static_cast<BarcodeBase2D&>(s).SetStringEncoding(in.Bool() ? in.Pick(kEncodings) : in.Text());
}

void SetDataMatrix(BarcodeBase& s, SettingSource& in) {
    static const char* const kSizes[] = {"AUTO", "10x10", "24x24", "144x144", "8x18", "16x48", "11x11"};
    static const char* const kSchemes[] = {"AUTO", "ASCII", "C40", "TEXT", "X12", "EDIFACT", "BASE256"};
    auto& dm = static_cast<DataMatrix&>(s);
    SetEncoding(s, in);
    dm.SetCodeSize(in.Bool() ? in.Pick(kSizes) : in.Text());
    dm.SetEncodeScheme(in.Bool() ? in.Pick(kSchemes) : in.Text());
}

void SetQr(BarcodeBase& s, SettingSource& in) {
    static const char* const kModes[] = {"N", "A", "K", "B"};  // what set_encode_mode maps its strings to
    auto& qr = static_cast<QR&>(s);
    SetEncoding(s, in);
    qr.SetErrorCorrectionLevel(in.Int(0, 3));
    qr.SetVersion(in.Int(INT32_MIN, INT32_MAX));
    qr.SetEncodeMode(in.Pick(kModes));
}

void SetPdf417(BarcodeBase& s, SettingSource& in) {
    auto& pdf = static_cast<PDF417&>(s);
    SetEncoding(s, in);
    pdf.SetErrorLevel(in.Int(INT32_MIN, INT32_MAX));
    pdf.SetColumns(in.Int(INT32_MIN, INT32_MAX));
    pdf.SetRows(in.Int(INT32_MIN, INT32_MAX));
    pdf.SetAspectRatio(in.Real());
    pdf.SetYHeight(in.Int(INT32_MIN, INT32_MAX));
}

}  // namespace

const std::vector<FuzzClass>& FuzzClasses() {
    static const std::vector<FuzzClass> kClasses = {
        {"Code39", "HELLO-39", &Make<Code39>, &DrawLinear, &SetShowStartStop<Code39>, false},
        {"Code93", "CODE-93 TEST", &Make<Code93>, &DrawLinear, &NoOwnSetters, false},
        {"Code128", "Code-128 0123456789", &Make<Code128>, &DrawLinear, &SetCode128, false},
        {"GS1_128", "{FNC1}0104912345123459{AI}17251231{AI}10ABC123", &Make<GS1_128>, &DrawGs1128, &NoOwnSetters,
         false},
        {"NW7", "A40156B", &Make<NW7>, &DrawLinear, &SetShowStartStop<NW7>, false},
        {"ITF", "1234567890", &Make<ITF>, &DrawLinear, &NoOwnSetters, false},
        {"Matrix2of5", "1234567", &Make<Matrix2of5>, &DrawLinear, &NoOwnSetters, false},
        {"NEC2of5", "1234567", &Make<NEC2of5>, &DrawLinear, &NoOwnSetters, false},
        {"Jan13", "490123456789", &Make<Jan13>, &DrawLinear, &SetRetail, false},
        {"Jan8", "4901234", &Make<Jan8>, &DrawLinear, &SetRetail, false},
        {"UPC_A", "03600029145", &Make<UpcA>, &DrawLinear, &SetRetail, false},
        {"UPC_E", "0123456", &Make<UpcE>, &DrawLinear, &SetRetail, false},
        {"GS1DataBar14", "0950110153001", &Make<GS1DataBar14>, &DrawLinear, &SetDataBar14, false},
        {"GS1DataBarLimited", "1501234567890", &Make<GS1DataBarLimited>, &DrawLinear, &NoOwnSetters, false},
        {"GS1DataBarExpanded", "0190012345678908{AI}3103001750", &Make<GS1DataBarExpanded>, &DrawLinear,
         &SetExpanded, false},
        {"YubinCustomer", "10000131-3-2-503", &Make<YubinCustomer>, &DrawYubin, &NoOwnSetters, false},
        {"QR", "https://example.com/qr?id=0123456789", &Make<QR>, &DrawMatrix, &SetQr, true},
        {"DataMatrix", "https://example.com/dm?id=0123456789", &Make<DataMatrix>, &DrawMatrix, &SetDataMatrix,
         false},
        {"PDF417", "PDF417 Hello, World! 0123456789012345", &Make<PDF417>, &DrawMatrix, &SetPdf417, true},
    };
    return kClasses;
}

void SetCommon(BarcodeBase& s, SettingSource& in) {
    static const char* const kFormats[] = {"png", "svg", "SVG", "jpg", "jpeg", "gif", ""};
    s.SetOutputFormat(in.Pick(kFormats));
    s.SetForegroundColor(in.Int(INT32_MIN, INT32_MAX), in.Int(-1, 256), in.Int(0, 255), in.Int(INT32_MIN, INT32_MAX));
    s.SetBackgroundColor(in.Int(0, 255), in.Int(0, 255), in.Int(-1, 256), in.Int(0, 255));
    s.SetFitWidth(in.Bool());
    s.SetPxAdjustBlack(in.Bool() ? in.Int(-3, 3) : in.Int(INT32_MIN, INT32_MAX));
    s.SetPxAdjustWhite(in.Bool() ? in.Int(-3, 3) : in.Int(INT32_MIN, INT32_MAX));
    if (auto* linear = dynamic_cast<BarcodeBase1D*>(&s)) {
        linear->SetShowText(in.Bool());
        linear->SetTextFontScale(AsFloat(in.Real()));
        linear->SetTextGapScale(AsFloat(in.Real()));
        linear->SetTextEvenSpacing(in.Bool());
    }
}

std::string FetchResult(BarcodeBase& s, bool as_data_uri) {
    if (s.IsSvgMode()) return s.GetSvg();
    if (as_data_uri) return s.GetImageBase64();
    const std::vector<uint8_t> png = s.GetImageData();
    return std::string(png.begin(), png.end());
}
