#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <utility>

#include "MemoryProfile.h"
#include "model/SlotFields.h"
#include "model/Placement.h"
#include "model/SettingsStore.h"

namespace {

struct Slots {
    TimerSlot slots[kTimerSlotCount];
    Slots() { std::memcpy(slots, g_timerSlots, sizeof slots); }
};

std::string Bytes(std::initializer_list<unsigned char> bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

namespace {

// "read Save/Icon#0", "read Save/Time#0", ... in the program's order.
std::vector<std::string> SlotTraffic(const char* verb)
{
    std::vector<std::string> lines;
    for (int i = 0; i < kTimerSlotCount; ++i) {
        for (const char* name : {"Icon", "Time", "Name"}) {
            lines.push_back(std::string(verb) + " Save/" + name + "#" + std::to_string(i));
        }
    }
    return lines;
}

}  // namespace

TEST(SettingsStore, StoredValuesAreUsedUnchangedAndWrittenBackInTheSameOrder)
{
    MemoryProfile profile;
    profile.Set("Save", "Icon#3", 5);
    profile.Set("Save", "Time#2", 99999);
    profile.Set("Save", "Time#5", -30);
    profile.Set("Save", "Icon#7", 3001);
    profile.Set("Save", "Name#8", std::string("Mana"));
    profile.Set("Save", "Name#4", 17);  // wrong type: absent
    Slots s;
    LoadSlotSettings(profile, s.slots);
    EXPECT_EQ(profile.traffic, SlotTraffic("read"));
    EXPECT_EQ(s.slots[3].icon, 5);
    EXPECT_EQ(s.slots[2].duration, 99999);
    EXPECT_EQ(s.slots[5].duration, -30);
    EXPECT_EQ(s.slots[7].icon, 3001);
    EXPECT_STREQ(s.slots[8].name, "Mana");
    EXPECT_STREQ(s.slots[4].name, "");
    EXPECT_EQ(s.slots[0].duration, g_timerSlots[0].duration) << "absent values keep the defaults";

    MemoryProfile saved;
    SaveSlotSettings(saved, s.slots);
    EXPECT_EQ(saved.traffic, SlotTraffic("write"));
    EXPECT_EQ(std::get<std::int32_t>(*saved.Find("Save", "Icon#3")), 5);
    EXPECT_EQ(std::get<std::int32_t>(*saved.Find("Save", "Icon#0")), 0) << "indices are stored as they are";
    EXPECT_EQ(std::get<std::string>(*saved.Find("Save", "Name#8")), "Mana");
    EXPECT_EQ(std::get<std::string>(*saved.Find("Save", "Name#4")), "");
}

TEST(SettingsStore, LongNamesAreCutOnACharacterBoundary)
{
    MemoryProfile profile;
    char field[kSlotNameSize];

    CopySlotName(field, "abcdefghijklmnopqrstuvwxyz0123", profile);
    EXPECT_STREQ(field, "abcdefghijklmnopqrstuvw");

    // "a" + 11 syllables of code page 949 = 23 bytes: fits exactly.
    std::string korean = "a";
    for (int i = 0; i < 11; ++i) korean += Bytes({0xB0, 0xA1});
    CopySlotName(field, korean, profile);
    EXPECT_EQ(std::string(field), korean);

    // "ab" + 11 syllables = 24 bytes: the 23rd byte starts a syllable, which goes whole.
    CopySlotName(field, "a" + korean, profile);
    EXPECT_EQ(std::strlen(field), 22u);
    EXPECT_EQ(std::string(field), "aa" + korean.substr(1, 20));

    // A lead byte whose trail byte is missing stays a single byte.
    CopySlotName(field, Bytes({'x', 0xB0}), profile);
    EXPECT_EQ(std::string(field), Bytes({'x', 0xB0}));

    // Text after an embedded NUL is not part of the name, and the field is cleared.
    std::memset(field, 'z', sizeof field);
    CopySlotName(field, std::string("hp\0xx", 5), profile);
    EXPECT_STREQ(field, "hp");
    for (std::size_t i = 2; i < sizeof field; ++i) EXPECT_EQ(field[i], '\0');

    CopySlotName(field, std::string(100000, 'q'), profile);
    EXPECT_EQ(std::string(field), std::string(23, 'q'));
}

TEST(SettingsStore, StoredPositionRules)
{
    const PixelRect current{10, 20, 490, 120};
    const auto read = [&](std::optional<std::int32_t> left, std::optional<std::int32_t> top) {
        MemoryProfile profile;
        if (left) profile.Set("Option", "MainWinLeft", *left);
        if (top) profile.Set("Option", "MainWinTop", *top);
        return std::pair{ReadStoredPosition(profile, "MainWinLeft", "MainWinTop", current), profile.traffic};
    };
    // Nothing stored: the left edge alone is read.
    EXPECT_EQ(read({}, {}), std::pair(std::optional<PixelPoint>{}, std::vector<std::string>{"read Option/MainWinLeft"}));
    EXPECT_FALSE(read(-1, 300).first) << "-1 means absent";
    EXPECT_EQ(read(640, {}).first, (PixelPoint{640, 20})) << "a missing top keeps the current top";
    EXPECT_EQ(read(640, -400).first, (PixelPoint{640, -400}));

    MemoryProfile saved;
    WriteStoredPosition(saved, "SelectIconWinLeft", "SelectIconWinTop", {-5, 7, 475, 227});
    EXPECT_EQ(saved.traffic, (std::vector<std::string>{"write Option/SelectIconWinLeft",
                                                       "write Option/SelectIconWinTop"}));
    EXPECT_EQ(std::get<std::int32_t>(*saved.Find("Option", "SelectIconWinLeft")), -5);
    EXPECT_EQ(std::get<std::int32_t>(*saved.Find("Option", "SelectIconWinTop")), 7);
}

TEST(SettingsStore, CentringInTheWorkArea)
{
    EXPECT_EQ(CentreInWorkArea({0, 0, 1280, 770}, 480, 100), (PixelPoint{400, 335}));
    EXPECT_EQ(CentreInWorkArea({0, 0, 1281, 771}, 481, 101), (PixelPoint{400, 335})) << "integer division";
    EXPECT_EQ(CentreInWorkArea({100, 50, 400, 150}, 480, 220), (PixelPoint{100, 50}))
        << "too large: pinned to the left and top";
    EXPECT_EQ(CentreInWorkArea({-1280, 0, 0, 1024}, 480, 100), (PixelPoint{-880, 462}))
        << "a monitor left of the primary";
}

TEST(SettingsStore, AWindowMovesInsideItsWorkAreaAsFarAsItFits)
{
    const PixelRect screen{0, 0, 800, 570};
    const struct {
        PixelRect window;
        PixelPoint at;
    } rows[] = {
        {{100, 100, 1060, 300}, {0, 100}},        // double size on 800 x 600: too wide, its left edge on the area
        {{400, 450, 880, 550}, {320, 450}},       // its right edge back on the area
        {{-50, 500, 430, 600}, {0, 470}},         // left of and below the area
        {{10, 20, 490, 120}, {10, 20}},           // inside already: stays
        {{INT32_MAX - 100, 0, INT32_MAX, 100}, {700, 0}},
    };
    for (const auto& row : rows) EXPECT_EQ(MoveInsideWorkArea(screen, row.window), row.at) << row.window.left;
    EXPECT_EQ(MoveInsideWorkArea({-1280, 0, 0, 1024}, {-100, 0, 860, 200}), (PixelPoint{-960, 0}))
        << "a monitor left of the primary";
}

TEST(SettingsStore, AStoredCornerAtTheEndOfTheRangeGivesAClampedRectangle)
{
    EXPECT_EQ(WindowRectAt({120, 77}, 480, 100), (PixelRect{120, 77, 600, 177}));
    EXPECT_EQ(WindowRectAt({INT32_MAX - 10, INT32_MAX}, 480, 220),
              (PixelRect{INT32_MAX - 10, INT32_MAX, INT32_MAX, INT32_MAX}));
    EXPECT_EQ(WindowRectAt({INT32_MIN, -5}, 480, 100), (PixelRect{INT32_MIN, -5, INT32_MIN + 480, 95}));
}

TEST(SettingsStore, AWindowOpensBesideAnotherLeavingItInView)
{
    const PixelRect screen{0, 0, 1280, 800};
    const struct {
        PixelRect beside;
        PixelPoint at;  // of a 550 x 440 window
    } rows[] = {
        {{400, 100, 880, 200}, {365, 200}},   // below
        {{400, 600, 880, 700}, {365, 160}},   // no room below: above
        {{400, 350, 880, 450}, {365, 180}},   // room on neither side: centred
        {{1000, 0, 1480, 100}, {730, 100}},   // the bar off the right edge: the window stays whole
    };
    for (const auto& row : rows) EXPECT_EQ(PlaceBeside(screen, row.beside, 550, 440), row.at) << row.beside.top;
}
