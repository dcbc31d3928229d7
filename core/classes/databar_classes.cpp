#include "core/classes/databar_classes.h"

#include <exception>
#include <stdexcept>

#include "core/text_encoding/digits.h"
#include "gs1/check_digit.h"
#include "symbologies/databar/databar_common.h"

bool GS1DataBar14::Encode(const std::string& content) {
    symbol_ = EncodeGS1DataBar14(content, symbol_type_);
    return true;
}

std::string GS1DataBar14::CalculateCheckDigit(const std::string& src) {
    if (src.size() != 13 || !AllDigits(src))
        throw std::runtime_error("CalculateCheckDigit requires exactly 13 digits");
    return std::string(1, GS1CheckDigit(src));
}

DataBarDrawing GS1DataBar14::Layout(const std::string& code) {
    Encode(code);
    DataBarDrawing drawing;
    drawing.rows = symbol_.rows;
    drawing.text = "(01)" + symbol_.digits;
    drawing.stacked = symbol_.rows.size() != 1;
    drawing.row_modules = 96;
    return drawing;
}

DataBarDrawing GS1DataBarLimited::Layout(const std::string& code) {
    const DataBarLimitedSymbol symbol = EncodeGS1DataBarLimited(code);
    DataBarDrawing drawing;
    drawing.rows.push_back(DataBarRow{{}, 1});
    AppendElements(drawing.rows[0].modules, symbol.elements, false);
    drawing.text = "(01)" + symbol.digits;
    drawing.row_modules = 74;
    return drawing;
}

bool GS1DataBarExpanded::Encode(const std::string& code) {
    try {
        symbol_ = EncodeGS1DataBarExpanded(code, stacked_, columns_);
    } catch (const ExpandedInputError& e) {
        last_error_ = e.what();
        return false;
    }
    last_error_.clear();
    return true;
}

DataBarDrawing GS1DataBarExpanded::Drawing() const {
    DataBarDrawing drawing;
    drawing.rows = symbol_.rows;
    drawing.text = symbol_.data.human_readable;
    drawing.stacked = stacked_;
    // Whole pixels per module unless fit width: fractional widths blur the narrow elements that
    // readers of long symbols measure.
    drawing.row_modules = int(symbol_.rows[0].modules.size());
    return drawing;
}

DataBarDrawing GS1DataBarExpanded::Layout(const std::string& code) {
    if (!Encode(code)) throw std::runtime_error(last_error_);
    return Drawing();
}

bool GS1DataBarExpanded::PaintSymbol(const std::string& code, int x, int y, int width, int height) {
    // Invalid data is only recorded; an unexpected failure is reported like the other classes'.
    try {
        if (!Encode(code)) {
            RecordFailure(Tag(), last_error_);
            return false;
        }
    } catch (const std::exception& e) {
        ReportFailure(Tag(), e.what());
        return false;
    }
    return PaintDataBar(x, y, width, height, [this] { return Drawing(); });
}
