#include <gtest/gtest.h>

#include "model/IconCatalogue.h"

TEST(IconCatalogue, LookUps)
{
    const IconCatalogue& icons = g_iconCatalogue;
    EXPECT_EQ(icons.Count(), 24);
    EXPECT_EQ(icons.IndexOf(1001), 0);
    EXPECT_EQ(icons.IndexOf(5005), 23);
    EXPECT_EQ(icons.IndexOf(3002), 14);
    EXPECT_EQ(icons.IndexOf(3001), -1);
    EXPECT_EQ(icons.IndexOf(0), -1);
    EXPECT_EQ(icons.IndexOf(24), -1);
    EXPECT_EQ(icons.BitmapOf(3058), 20014);
    EXPECT_EQ(icons.BitmapOf(9999), 0);
    EXPECT_EQ(icons.BitmapOf(0), 0) << "the code of an index outside the catalogue names no bitmap";
    EXPECT_EQ(icons.CodeAt(0), 1001);
    EXPECT_EQ(icons.CodeAt(23), 5005);
    EXPECT_EQ(icons.CodeAt(24), 0);
    EXPECT_EQ(icons.CodeAt(-1), 0);
}

TEST(IconCatalogue, StoredSlotValues)
{
    const IconCatalogue& icons = g_iconCatalogue;
    EXPECT_EQ(icons.CodeOfSlotIcon(14), 3002);
    EXPECT_EQ(icons.BitmapOf(icons.CodeOfSlotIcon(14)), 20015);
    EXPECT_EQ(icons.CodeOfSlotIcon(0), 1001);
    EXPECT_EQ(icons.BitmapOf(icons.CodeOfSlotIcon(0)), 20001);
    EXPECT_EQ(icons.CodeOfSlotIcon(5), 2004);
    EXPECT_EQ(icons.CodeOfSlotIcon(23), 5005);
    // 24 and above are codes as they are, known or not.
    EXPECT_EQ(icons.CodeOfSlotIcon(24), 24);
    EXPECT_EQ(icons.BitmapOf(icons.CodeOfSlotIcon(24)), 0);
    EXPECT_EQ(icons.CodeOfSlotIcon(3001), 3001);
    EXPECT_EQ(icons.BitmapOf(3001), 0);
    EXPECT_EQ(icons.CodeOfSlotIcon(4002), 4002);
    // A negative value is below 24: CodeAt turns it into 0, which has no bitmap.
    EXPECT_EQ(icons.CodeOfSlotIcon(-7), 0);
    EXPECT_EQ(icons.BitmapOf(icons.CodeOfSlotIcon(-7)), 0);
}
