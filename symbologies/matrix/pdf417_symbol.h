#pragma once
#include <string>
#include <vector>

#include "core/model/module_matrix.h"

// Settings a PDF417 draw is encoded with.
struct Pdf417Settings {
    int error_level = 2;          // used when auto_error_level is off: 0..8
    bool auto_error_level = true; // level from the amount of data
    int columns = 0;              // data columns 1..30, 0 = from the aspect ratio
    int rows = 0;                 // rows 3..90, 0 = from the aspect ratio
    double aspect_ratio = 0.5;    // 0.001..1000
    int row_height = 3;           // row height in module widths (y), above 0
    bool fewest_codewords = false; // make(): every compaction split weighed (pdf417_minimal.h)
    int eci = -1;                 // ECI designator (0..811799) before the data, -1 none
    bool compact = false;         // compact PDF417: no right row indicator, a one-module stop bar
};

// Rows, data columns and error correction level of a symbol.
struct Pdf417Layout {
    int columns = 0;
    int rows = 0;
    int level = 0;
    bool compact = false;

    int ModuleWidth() const { return compact ? 17 * columns + 35 : 17 * columns + 69; }
    bool operator==(const Pdf417Layout& o) const {
        return columns == o.columns && rows == o.rows && level == o.level && compact == o.compact;
    }
};

// Largest level whose 2^(level + 1) codewords fit in `free_codewords`; -1 when not even level 0.
int Pdf417LevelForSpace(int free_codewords);
// Level the amount of data asks for (length descriptor included), before the space limit.
int Pdf417RequestedLevel(int data_codewords);

// The layout for `data_codewords` (length descriptor included). Throws std::out_of_range
// "The text is too big." when a fixed level, column or row count cannot hold them.
Pdf417Layout ChoosePdf417Layout(int data_codewords, const Pdf417Settings& settings);

// Codewords of the row indicators at the left and right end of `row`.
int Pdf417LeftRowIndicator(int row, const Pdf417Layout& layout);
int Pdf417RightRowIndicator(int row, const Pdf417Layout& layout);

// The codewords of ECI designator `eci` (0..811799): 927 and one codeword, 926 and two, or 925 and one.
std::vector<int> Pdf417EciCodewords(int eci);

// The rows of a symbol of `layout` holding `codewords` (every codeword, error correction included,
// in symbol order): start pattern, row indicators around each row's codewords, stop pattern (compact
// symbols: the left row indicator alone, and a one-module stop bar).
ModuleMatrix Pdf417Rows(const std::vector<int>& codewords, const Pdf417Layout& layout);

// One draw's encoder: the draw's settings and bytes in, the symbol's modules out.
class Pdf417Encoder {
public:
    explicit Pdf417Encoder(const Pdf417Settings& settings) : settings_(settings) {}

    // Compaction, level and layout, padding, error correction and rows. Throws the errors of
    // CompactPdf417 and ChoosePdf417Layout.
    ModuleMatrix Encode(const std::string& bytes);

    // Of the last Encode: every codeword in symbol order (data, pads, error correction) and the layout.
    const std::vector<int>& Codewords() const { return codewords_; }
    const Pdf417Layout& Layout() const { return layout_; }

private:
    Pdf417Settings settings_;
    std::vector<int> codewords_;
    Pdf417Layout layout_;
};
