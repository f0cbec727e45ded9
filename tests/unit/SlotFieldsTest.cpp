#include <gtest/gtest.h>

#include "model/SlotFields.h"

TEST(SlotFields, APageTakesOnlyTheValuesOfItsPartThatItChangedOverTheSetAsItStands)
{
    const SlotRecords shown = DefaultSlotRecords();
    SlotRecords edited = shown;
    edited[1].key = 0x75;               // F6
    edited[1].sound = EndSound::Gong;   // another part's
    edited[2].press = SecondPress::Restart;
    SlotRecords now = shown;
    now[1].press = SecondPress::Restart;  // changed elsewhere while the page was open: it stays
    now[3].key = 0x76;
    EXPECT_TRUE(TakeChangedValues(SlotPart::Keys, shown, edited, now));
    EXPECT_EQ(now[1].key, 0x75u);
    EXPECT_EQ(now[1].press, SecondPress::Restart);
    EXPECT_EQ(now[1].sound, EndSound::Chime);
    EXPECT_EQ(now[2].press, SecondPress::Restart);
    EXPECT_EQ(now[3].key, 0x76u);
    SlotRecords untouched = shown;
    EXPECT_FALSE(TakeChangedValues(SlotPart::Alerts, shown, shown, untouched));
}
