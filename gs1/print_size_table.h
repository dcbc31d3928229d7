#pragma once
#include <cstddef>
#include <string>

// GS1's symbol size tables (GS1 General Specifications, section 5.12.3): for each
// application and symbology, the module width X a printed symbol may have and its minimum bar
// height. The printer fit advisor and make(printer_dpi=...) read them; nothing else restates them.

enum class MinimumHeight {
    kNone,         // a matrix symbol: its height follows from its modules
    kModules,      // a multiple of X, per row of bars (the height scales with the symbol)
    kMillimetres,  // a fixed height whatever X is
};

struct PrintSizeRow {
    const char* application;  // "retail-pos", "general-distribution", "logistics"
    const char* symbology;    // the registry name
    double x_min_mm;
    double x_target_mm;
    double x_max_mm;
    MinimumHeight height_rule;
    double min_height;  // in modules or in mm, as height_rule says
    const char* source;
};

// Every row, grouped by application in the order the tables are published.
const PrintSizeRow* PrintSizeRows(std::size_t* count);

// The row for an application and a symbology, or nullptr. An empty application means the first
// table listing the symbology (retail point of sale before general distribution).
const PrintSizeRow* FindPrintSizeRow(const std::string& application, const std::string& symbology);
