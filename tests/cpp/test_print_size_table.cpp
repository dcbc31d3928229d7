#include <gtest/gtest.h>

#include <cmath>

#include "gs1/print_size_table.h"

namespace {

// Rows against the published figures: X minimum/target/maximum and the minimum bar height at the
// minimum X. Sources: GS1 Sweden's size guide (a summary of the General Specifications) for
// EAN/ITF-14/GS1-128; the General Specifications' general distribution table for GS1 DataBar.
TEST(PrintSizeRow, PublishedFigures) {
    const struct {
        const char* application;
        const char* symbology;
        double x_min, x_target, x_max;
        double height_at_min_x_mm;
    } data[] = {
        {"retail-pos", "ean13", 0.264, 0.330, 0.660, 18.28},
        {"retail-pos", "ean8", 0.264, 0.330, 0.660, 14.58},
        {"general-distribution", "ean13", 0.495, 0.660, 0.660, 34.28},
        {"general-distribution", "itf14", 0.495, 0.495, 1.016, 31.75},
        {"general-distribution", "gs1-128", 0.495, 0.495, 1.016, 31.75},
        {"general-distribution", "databar-limited", 0.495, 0.660, 0.660, 4.95},
        {"general-distribution", "databar-expanded", 0.495, 0.660, 0.660, 16.83},
        {"logistics", "gs1-128", 0.495, 0.495, 0.940, 31.75},
    };
    for (const auto& c : data) {
        SCOPED_TRACE(std::string(c.application) + " " + c.symbology);
        const PrintSizeRow* row = FindPrintSizeRow(c.application, c.symbology);
        ASSERT_NE(row, nullptr);
        EXPECT_DOUBLE_EQ(row->x_min_mm, c.x_min);
        EXPECT_DOUBLE_EQ(row->x_target_mm, c.x_target);
        EXPECT_DOUBLE_EQ(row->x_max_mm, c.x_max);
        const double height =
            row->height_rule == MinimumHeight::kModules ? row->min_height * row->x_min_mm : row->min_height;
        EXPECT_NEAR(height, c.height_at_min_x_mm, 0.01);  // the tables round to 0.01 mm
    }
}

TEST(PrintSizeRow, EveryRowIsOrderedAndNamed) {
    std::size_t count = 0;
    const PrintSizeRow* rows = PrintSizeRows(&count);
    ASSERT_GT(count, 0u);
    for (std::size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(rows[i].symbology);
        EXPECT_LT(0, rows[i].x_min_mm);
        EXPECT_LE(rows[i].x_min_mm, rows[i].x_target_mm);
        EXPECT_LE(rows[i].x_target_mm, rows[i].x_max_mm);
        EXPECT_EQ(rows[i].height_rule == MinimumHeight::kNone, rows[i].min_height == 0);
    }
}

// Without an application, a symbology's first table: retail point of sale for EAN-13, general
// distribution for ITF-14; a symbology no table lists has no row.
TEST(PrintSizeRow, DefaultApplication) {
    EXPECT_STREQ(FindPrintSizeRow("", "ean13")->application, "retail-pos");
    EXPECT_STREQ(FindPrintSizeRow("", "itf14")->application, "general-distribution");
    EXPECT_EQ(FindPrintSizeRow("", "code39"), nullptr);
    EXPECT_EQ(FindPrintSizeRow("logistics", "ean13"), nullptr);
}

}  // namespace
