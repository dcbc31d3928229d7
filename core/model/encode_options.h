#pragma once
#include <string>

// The options of the encode step. Each encoder validates the ones it reads and ignores the others.
struct EncodeOptions {
    bool gs1_validate = true;           // GS1 element strings checked against the AI table
    bool show_start_stop = true;        // Code 39 '*', NW-7 A-D in the text
    std::string mode = "auto";          // Code 128: auto, A, B, C; QR: auto, byte, numeric, alphanumeric, kanji
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
    bool compact = false;               // PDF417: compact (truncated) symbol
    bool extended_guard = true;         // EAN/UPC guard bars reach into the text
    std::string addon;                  // EAN/UPC: "" or 2 or 5 digits
    std::string bearer;                 // ITF, ITF-14: none, frame, top-bottom; "" ITF none, ITF-14 frame
    std::string composite;              // GS1 composite component's element string ("" none)
    std::string composite_type = "auto";
};
