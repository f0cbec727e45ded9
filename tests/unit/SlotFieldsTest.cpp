#include <gtest/gtest.h>

#include "MemoryProfile.h"
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

TEST(SlotFields, AStoredValueReadsAsItsValueTakesItAndAnOddOneAsTheSlotsDefault)
{
    const struct {
        const char* entry;
        MemoryProfile::Value stored;
        std::int32_t read;
    } rows[] = {
        {"Icon", 3001, 3001}, {"Time", -30, -30},  // used as they are: the bar and the editor cope
        {"Press", 1, 1}, {"Press", 2, 0}, {"Press", std::string("1"), 0},
        {"Sound", 2, 2}, {"Sound", 4, 4}, {"Sound", 5, 0}, {"Sound", -1, 0},
        {"Warn", 1, 1}, {"Warn", 2, 0}, {"Repeat", 1, 1}, {"Repeat", -1, 0},
        {"Speak", 2, 2}, {"Speak", 3, 0}, {"Speak", std::string("1"), 0},
    };
    for (const auto& row : rows) {
        const SlotField* field = nullptr;
        for (const SlotField& each : kSlotFields) field = std::string(each.entry) == row.entry ? &each : field;
        ASSERT_NE(field, nullptr) << row.entry;
        MemoryProfile profile("Set4", std::string(row.entry) + "#3", row.stored);
        SlotRecords records = DefaultSlotRecords();
        ReadSlotPart(profile, "Set4", field->part, records);
        EXPECT_EQ(field->get(records[3]), row.read) << row.entry;
        EXPECT_EQ(field->get(records[2]), field->get(DefaultSlotRecord(2))) << row.entry << ": absent, the default";
    }
}
