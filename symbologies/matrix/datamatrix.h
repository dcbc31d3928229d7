#pragma once
#include <string>

#include "core/classes/barcode_base_2d.h"
#include "core/model/encode_options.h"
#include "core/model/encoded_symbol.h"
#include "symbologies/matrix/datamatrix_encodation.h"
#include "symbologies/matrix/datamatrix_sizes.h"

// `options`: size ("" or "auto": the smallest area of the shape; "RxC"), shape (any, square or
// rectangle: the sizes an automatic choice takes; a given size must be of it), scheme (auto, ascii,
// c40, text, x12, edifact, base256) and encoding. The GS1 form takes an element string, in ASCII
// encodation.
EncodedSymbol EncodeDataMatrixSymbol(const std::string& text, const EncodeOptions& options);
EncodedSymbol EncodeGS1DataMatrixSymbol(const std::string& text, const EncodeOptions& options);

// Data Matrix ECC 200. Encoder errors are reported on standard error as "[DataMatrix] <message>"
// and make the draw return false.
class DataMatrix : public BarcodeBase2D {
public:
    explicit DataMatrix(std::string output_format) : BarcodeBase2D(std::move(output_format)) {}

    bool DrawEncoded(const std::string& bytes, int x, int y, int width, int height) override;
    ModuleMatrix EncodeMatrix(const std::string& bytes) override;

    // "AUTO" or one of the 30 size names ("10x10" .. "16x48"); any other string is AUTO.
    void SetCodeSize(const std::string& size) { size_index_ = DataMatrixSizeIndex(size); }
    // "ASCII", "C40", "TEXT", "X12", "EDIFACT", "BASE256" or "AUTO"; any other string is AUTO.
    void SetEncodeScheme(const std::string& scheme) { scheme_ = DataMatrixSchemeFromName(scheme); }
    // GS1 Data Matrix: the draw data is a GS1 element string (bracketed or a marker form).
    void SetGS1(bool enabled) { gs1_ = enabled; }

    int SizeIndex() const { return size_index_; }
    DataMatrixScheme Scheme() const { return scheme_; }

private:
    int size_index_ = kDataMatrixAutoSize;
    DataMatrixScheme scheme_ = DataMatrixScheme::kAscii;
    bool gs1_ = false;
};
