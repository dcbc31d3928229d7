#pragma once
#include <string>

#include "core/classes/databar_drawing.h"
#include "symbologies/databar/gs1_databar14.h"
#include "symbologies/databar/gs1_databar_expanded.h"
#include "symbologies/databar/gs1_databar_limited.h"

class GS1DataBar14 : public DataBarBase {
public:
    explicit GS1DataBar14(std::string output_format) : DataBarBase(std::move(output_format)) {}

    // Encodes into the object without drawing; throws std::runtime_error on invalid content.
    bool Encode(const std::string& content);
    // The check digit of exactly 13 digits, as a one-character string; throws std::runtime_error.
    static std::string CalculateCheckDigit(const std::string& src);

    void SetSymbolType(int type) { symbol_type_ = type; }
    int SymbolType() const { return symbol_type_; }
    const DataBar14Symbol& Symbol() const { return symbol_; }

protected:
    const char* Tag() const override { return "[GS1 DataBar]"; }
    DataBarDrawing Layout(const std::string& code) override;
    bool StackedLayout() const override { return symbol_type_ != kDataBar14Omnidirectional; }

private:
    int symbol_type_ = kDataBar14Omnidirectional;
    DataBar14Symbol symbol_;
};

class GS1DataBarLimited : public DataBarBase {
public:
    explicit GS1DataBarLimited(std::string output_format) : DataBarBase(std::move(output_format)) {}


private:
    const char* Tag() const override { return "[GS1 DataBar Limited]"; }
    DataBarDrawing Layout(const std::string& code) override;
};

class GS1DataBarExpanded : public DataBarBase {
public:
    explicit GS1DataBarExpanded(std::string output_format) : DataBarBase(std::move(output_format)) {}

    // Encodes into the object; false (with LastError) when the data cannot be encoded.
    bool Encode(const std::string& code);

    void SetStacked(bool stacked) { stacked_ = stacked; }
    bool Stacked() const { return stacked_; }
    void SetColumns(int columns) { columns_ = columns; }
    int Columns() const { return columns_; }
    const std::string& LastError() const { return last_error_; }
    const ExpandedSymbol& Symbol() const { return symbol_; }

private:
    const char* Tag() const override { return "[GS1 DataBar Expanded]"; }
    DataBarDrawing Layout(const std::string& code) override;
    bool StackedLayout() const override { return stacked_; }
    bool PaintSymbol(const std::string& code, int x, int y, int width, int height) override;
    DataBarDrawing Drawing() const;

    bool stacked_ = false;
    int columns_ = 0;
    std::string last_error_;
    ExpandedSymbol symbol_;
};
