#pragma once
#include <optional>
#include <string>

// The options of the encode step. Each encoder validates the ones it reads and ignores the others.
struct EncodeOptions {
    bool gs1_validate = true;           // GS1 element strings checked against the AI table
    bool show_start_stop = true;        // Code 39 '*', NW-7 A-D in the text
    std::string mode = "auto";          // Code 128: auto, AB, A, B, C; QR: auto, byte, numeric, alphanumeric, kanji
    std::string code_sets;              // Code 128: the set of each character ("" chosen by the encoder)
    bool reader_init = false;           // Code 128 (FNC3 after the start), Aztec: a reader programming symbol
    std::string error = "M";            // QR: L, M, Q, H
    int version = 0;                    // QR: smallest version to use, 0 any
    std::string encoding = "utf-8";     // 2D text: utf-8 or shift_jis
    int eci = -1;                       // 2D text: the ECI designator its bytes follow; -1 the default choice
    std::string size;                   // Data Matrix: "" (the smallest of `shape`) or "RxC"
    std::string shape = "any";          // Data Matrix: any, square, rectangle
    std::string scheme = "auto";        // Data Matrix encodation
    int columns = 0;                    // PDF417, MicroPDF417, DataBar Expanded Stacked: 0 automatic
    int rows = 0;                       // PDF417
    int error_level = -1;               // PDF417: -1 from the data size
    double aspect_ratio = 0.0;          // PDF417
    double row_height = 3.0;            // PDF417 row height in modules
    bool extended_guard = true;         // EAN/UPC guard bars reach into the text
    std::string addon;                  // EAN/UPC: "" or 2 or 5 digits
    std::string bearer;                 // ITF, ITF-14: none, frame, top-bottom; "" ITF none, ITF-14 frame
    std::string composite;              // GS1 composite component's element string ("" none)
    std::string composite_type = "auto";
    std::string check;                  // check characters: "" the symbology's default (Code 39 variants, MSI, Code 11)
    bool pzn7 = false;                  // PZN: the 7-digit PZN of before 2013 rather than PZN-8
    int error_percent = 23;             // Aztec: check words as a share of the symbol's words, plus 3
    int layers = 0;                     // Aztec: 0 the smallest that holds the data
    std::optional<bool> compact;        // Aztec: unset either form, else compact or full-range only;
                                        // PDF417: true for the compact (truncated) symbol
    std::string structured_append;      // "INDEX,COUNT[,ID]": this symbol's place in a sequence; "" none
};
