#pragma once
#include <string>

#include "core/model/encoded_symbol.h"
#include "core/model/module_widths.h"

// Where the human-readable digits and the tall guard bars of an EAN/UPC symbol go, in modules
// from the left edge of its first bar.
struct EanUpcTextPlan {
    struct Group {
        int first;    // index of its first digit in the completed code
        int count;
        double left;  // the digits are spread over [left, left + width): each under its own character
        double width;
    };
    struct Range {
        int begin, end;
    };
    double quiet_left, quiet_right;
    double bar_height;  // nominal height of the normal bars
    Range guards[3];    // modules whose bars reach into the text band
    int guard_count;
    Group groups[2];
    int group_count;
    bool leading;  // the first digit printed in the left quiet zone, centred on leading_x
    double leading_x;
    bool trailing;  // the last digit printed in the right quiet zone, centred on trailing_x
    double trailing_x;
};

// The symbol of a completed code: with `extended_guard`, guards reaching 5 modules below the other
// bars and the digits in groups (and outside) as the plan says; otherwise bars of one height and
// the code centred under them.
EncodedSymbol EanUpcSymbol(const ModuleWidths& widths, const std::string& digits, const EanUpcTextPlan& plan,
                           bool extended_guard);
