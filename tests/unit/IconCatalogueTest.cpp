#include <gtest/gtest.h>

#include "model/IconCatalogue.h"

TEST(IconCatalogue, StoredSlotValuesBelow24AreIndexesAndTheRestCodes)
{
    const IconCatalogue& icons = g_iconCatalogue;
    const struct {
        std::int32_t stored, code, bitmap;
    } rows[] = {
        {0, 1001, 20001},  {14, 3002, 20015}, {23, 5005, 20024},  // indexes, the foods out of order
        {3058, 3058, 20014}, {24, 24, 0}, {3001, 3001, 0},        // codes as they are, known or not
        {-7, 0, 0},                                               // below 24: CodeAt gives 0, no bitmap
    };
    for (const auto& row : rows) {
        EXPECT_EQ(icons.CodeOfSlotIcon(row.stored), row.code) << row.stored;
        EXPECT_EQ(icons.BitmapOf(icons.CodeOfSlotIcon(row.stored)), row.bitmap) << row.stored;
    }
    EXPECT_EQ(icons.IndexOf(3002), 14);
    EXPECT_EQ(icons.IndexOf(3001), -1);
    EXPECT_EQ(icons.CodeAt(24), 0);
}
