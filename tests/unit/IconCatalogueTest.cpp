#include <gtest/gtest.h>

#include "model/IconCatalogue.h"

TEST(IconCatalogue, LookUpsAtAndPastTheEdges)
{
    const struct {
        std::int32_t code;
        std::int32_t index;   // IndexOf(code)
        std::int32_t bitmap;  // BitmapOf(code)
    } codes[] = {
        {1001, 0, 20001}, {5005, 23, 20024}, {3018, 15, 20016},
        {3001, -1, 0}, {0, -1, 0}, {-1, -1, 0}, {20001, -1, 0},  // no such code: no entry, no bitmap
    };
    for (const auto& row : codes) {
        EXPECT_EQ(g_iconCatalogue.IndexOf(row.code), row.index) << row.code;
        EXPECT_EQ(g_iconCatalogue.BitmapOf(row.code), row.bitmap) << row.code;
    }
    EXPECT_EQ(g_iconCatalogue.CodeAt(0), 1001);
    EXPECT_EQ(g_iconCatalogue.CodeAt(23), 5005);
    for (std::int32_t outside : {24, -1, INT32_MIN, INT32_MAX}) EXPECT_EQ(g_iconCatalogue.CodeAt(outside), 0) << outside;
    // Stored values below 24 are indices (negative ones name nothing); others are codes.
    EXPECT_EQ(g_iconCatalogue.CodeOfSlotIcon(23), 5005);
    EXPECT_EQ(g_iconCatalogue.CodeOfSlotIcon(-3), 0);
    EXPECT_EQ(g_iconCatalogue.CodeOfSlotIcon(24), 24);
}
