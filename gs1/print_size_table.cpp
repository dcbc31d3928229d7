#include "gs1/print_size_table.h"

#include <iterator>

namespace {

constexpr MinimumHeight kMatrix = MinimumHeight::kNone;
constexpr MinimumHeight kModules = MinimumHeight::kModules;
constexpr MinimumHeight kMm = MinimumHeight::kMillimetres;

constexpr const char* kRetail = "GS1 General Specifications 5.12.3, table 1 (general retail POS, not general distribution)";
constexpr const char* kDistribution = "GS1 General Specifications 5.12.3, table 2 (general distribution only)";
constexpr const char* kLogistics = "GS1 General Specifications 5.12.3, logistic units table";

// EAN/UPC heights are the nominal bar height over the nominal X (22.85 mm / 0.330 mm; EAN-8
// 18.23 mm / 0.330 mm), so 18.28 mm at X = 0.264 mm. GS1 DataBar heights are per row of bars.
// GS1 DataMatrix and QR Code take 1.5 times the linear X range (the tables' 2D note).
constexpr PrintSizeRow kRows[] = {
    {"retail-pos", "ean13", 0.264, 0.330, 0.660, kModules, 22.85 / 0.330, kRetail},
    {"retail-pos", "upca", 0.264, 0.330, 0.660, kModules, 22.85 / 0.330, kRetail},
    {"retail-pos", "ean8", 0.264, 0.330, 0.660, kModules, 18.23 / 0.330, kRetail},
    {"retail-pos", "upce", 0.264, 0.330, 0.660, kModules, 22.85 / 0.330, kRetail},
    {"retail-pos", "databar", 0.264, 0.330, 0.660, kModules, 33, kRetail},
    {"retail-pos", "databar-stacked-omni", 0.264, 0.330, 0.660, kModules, 33, kRetail},
    {"retail-pos", "databar-expanded", 0.264, 0.330, 0.660, kModules, 34, kRetail},
    {"retail-pos", "databar-expanded-stacked", 0.264, 0.330, 0.660, kModules, 34, kRetail},
    {"retail-pos", "gs1-datamatrix", 0.396, 0.495, 0.990, kMatrix, 0, kRetail},
    {"retail-pos", "gs1-qr", 0.396, 0.495, 0.990, kMatrix, 0, kRetail},
    {"retail-pos", "datamatrix", 0.396, 0.495, 0.990, kMatrix, 0, kRetail},  // a GS1 Digital Link URI
    {"retail-pos", "qr", 0.396, 0.495, 0.990, kMatrix, 0, kRetail},          // a GS1 Digital Link URI
    {"general-distribution", "ean13", 0.495, 0.660, 0.660, kModules, 22.85 / 0.330, kDistribution},
    {"general-distribution", "upca", 0.495, 0.660, 0.660, kModules, 22.85 / 0.330, kDistribution},
    {"general-distribution", "itf14", 0.495, 0.495, 1.016, kMm, 31.75, kDistribution},
    {"general-distribution", "gs1-128", 0.495, 0.495, 1.016, kMm, 31.75, kDistribution},
    {"general-distribution", "databar", 0.495, 0.660, 0.660, kModules, 33, kDistribution},
    {"general-distribution", "databar-stacked-omni", 0.495, 0.660, 0.660, kModules, 33, kDistribution},
    {"general-distribution", "databar-limited", 0.495, 0.660, 0.660, kModules, 10, kDistribution},
    {"general-distribution", "databar-expanded", 0.495, 0.660, 0.660, kModules, 34, kDistribution},
    {"general-distribution", "databar-expanded-stacked", 0.495, 0.660, 0.660, kModules, 34, kDistribution},
    {"logistics", "gs1-128", 0.495, 0.495, 0.940, kMm, 31.75, kLogistics},
};

}  // namespace

const PrintSizeRow* PrintSizeRows(std::size_t* count) {
    *count = std::size(kRows);
    return kRows;
}

const PrintSizeRow* FindPrintSizeRow(const std::string& application, const std::string& symbology) {
    for (const PrintSizeRow& row : kRows) {
        if (symbology == row.symbology && (application.empty() || application == row.application)) return &row;
    }
    return nullptr;
}
