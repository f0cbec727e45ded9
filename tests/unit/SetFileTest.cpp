#include <gtest/gtest.h>

#include "model/SlotFields.h"
#include "model/SetFile.h"

namespace {

std::string KeyName(Trigger trigger)
{
    return trigger == MakeTrigger('3', kModControl) ? "Ctrl+3" : "key";
}

std::string Slot1(const std::string& field, const std::string& value)
{
    return std::string(kSetFileFirstLine) + "\nslot 1 " + field + " = " + value + "\n";
}

}  // namespace

TEST(SetFile, ASetReadsBackAsItWasWritten)
{
    SetFileContent content = DefaultSetFileContent();
    content.name = u8"전사 (2)";
    content.slots[0] = {3058, 5400, u8"해독제 = 물약", MakeTrigger('3', kModControl), SecondPress::Restart,
                        EndSound::Gong, true, false, SpeakMode::WarningAndEnd, 120, true};
    content.slots[8] = {3001, 0, "", kSideButton1, SecondPress::Stop, EndSound::None, false, true, SpeakMode::Off,
                        kLongestSetTime, false};  // a code no icon has: kept as it is
    const std::string text = FormatSetFile(content, KeyName);
    EXPECT_NE(text.find("slot 1 key = Ctrl+3 (131123)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("slot 1 icon = 14\n"), std::string::npos) << "the catalogue's place";
    EXPECT_NE(text.find("slot 1 time = 1:30:00\n"), std::string::npos);
    EXPECT_NE(text.find("slot 1 sound = gong\n"), std::string::npos);
    EXPECT_NE(text.find("slot 9 sound = none\n"), std::string::npos);
    EXPECT_NE(text.find("slot 1 speak = warning and end\n"), std::string::npos);
    EXPECT_NE(text.find("slot 1 cooldown = 0:02:00\n"), std::string::npos);
    EXPECT_NE(text.find("slot 1 count up = on\n"), std::string::npos);
    for (const std::string& written : {text, "\xEF\xBB\xBF" + text, "# kept by hand\r\n" + text}) {
        const ParsedSetFile read = ParseSetFile(written);
        ASSERT_EQ(read.problem, SetFileProblem::None);
        EXPECT_EQ(read.adjusted, 0);
        EXPECT_EQ(read.content.name, content.name);
        for (int i = 0; i < kTimerSlotCount; ++i) {
            const SlotRecord& a = read.content.slots[i];
            const SlotRecord& b = content.slots[i];
            EXPECT_EQ(std::tie(a.icon, a.name, a.duration, a.key, a.press, a.sound, a.warn, a.repeat, a.speak,
                               a.cooldown, a.countUp),
                      std::tie(b.icon, b.name, b.duration, b.key, b.press, b.sound, b.warn, b.repeat, b.speak,
                               b.cooldown, b.countUp))
                << i;
        }
    }
}

TEST(SetFile, OddValuesAreBroughtIntoRangeAndCounted)
{
    const SlotRecord built = DefaultSetFileContent().slots[0];
    const struct {
        std::string text;
        std::int32_t icon, duration;
        Trigger key;
        SecondPress press;
        int adjusted;
        EndSound sound = EndSound::Chime;
        bool warn = false;
    } rows[] = {
        {Slot1("icon", "24"), 5005, built.duration, built.key, SecondPress::Stop, 0},
        {Slot1("icon", "25"), built.icon, built.duration, built.key, SecondPress::Stop, 1},
        {Slot1("icon", "-3"), built.icon, built.duration, built.key, SecondPress::Stop, 1},
        {Slot1("time", "100:00:00"), built.icon, kLongestSetTime, built.key, SecondPress::Stop, 1},
        {Slot1("time", "0:61:00"), built.icon, built.duration, built.key, SecondPress::Stop, 1},
        {Slot1("time", "90"), built.icon, 90, built.key, SecondPress::Stop, 0},
        {Slot1("key", "Shift+F6"), built.icon, built.duration, MakeTrigger(0x75, kModShift), SecondPress::Stop, 0},
        {Slot1("key", "Ctrl+3 (1)"), built.icon, built.duration, built.key, SecondPress::Stop, 1},  // a left button
        {Slot1("key", "Hyper+Q"), built.icon, built.duration, built.key, SecondPress::Stop, 1},
        {Slot1("key", "2"), built.icon, built.duration, '2', SecondPress::Stop, 1},  // slot 2's digit: slot 2 has none
        {Slot1("second press", "twice"), built.icon, built.duration, built.key, SecondPress::Stop, 1},
        {Slot1("colour", "red") + "slot 10 time = 1\n", built.icon, built.duration, built.key, SecondPress::Stop, 0},
        {Slot1("sound", "bell"), built.icon, built.duration, built.key, SecondPress::Stop, 0, EndSound::Bell},
        {Slot1("sound", "trumpet"), built.icon, built.duration, built.key, SecondPress::Stop, 1},
        {Slot1("warning", "on"), built.icon, built.duration, built.key, SecondPress::Stop, 0, EndSound::Chime, true},
        {Slot1("warning", "1"), built.icon, built.duration, built.key, SecondPress::Stop, 1},
    };
    for (const auto& row : rows) {
        const ParsedSetFile read = ParseSetFile(row.text);
        ASSERT_EQ(read.problem, SetFileProblem::None) << row.text;
        const SlotRecord& slot = read.content.slots[0];
        EXPECT_EQ(std::tie(slot.icon, slot.duration, slot.key, slot.press, slot.sound, slot.warn),
                  std::tie(row.icon, row.duration, row.key, row.press, row.sound, row.warn))
            << row.text;
        EXPECT_EQ(read.adjusted, row.adjusted) << row.text;
    }
    for (const auto& [text, speak, adjusted] : {std::tuple{"end", SpeakMode::End, 0}, {"off", SpeakMode::Off, 0},
                                               {"loud", SpeakMode::Off, 1}}) {
        const ParsedSetFile read = ParseSetFile(Slot1("speak", text));
        EXPECT_EQ(read.content.slots[0].speak, speak) << text;
        EXPECT_EQ(read.adjusted, adjusted) << text;
    }
    // A cooldown the editor could not set is none, not the longest.
    for (const auto& [line, cooldown, countUp, adjusted] :
         {std::tuple{Slot1("cooldown", "0:02:00"), 120, false, 0}, {Slot1("cooldown", "100:00:00"), 0, false, 1},
          {Slot1("cooldown", "-5"), 0, false, 1}, {Slot1("count up", "on"), 0, true, 0},
          {Slot1("count up", "yes"), 0, false, 1}}) {
        const ParsedSetFile read = ParseSetFile(line);
        EXPECT_EQ(std::tie(read.content.slots[0].cooldown, read.content.slots[0].countUp, read.adjusted),
                  std::tie(cooldown, countUp, adjusted)) << line;
    }
    // As in the registry, the lower slot keeps a key two slots have.
    EXPECT_EQ(ParseSetFile(Slot1("key", "2")).content.slots[1].key, kNoTrigger);
}

TEST(SetFile, WhatIsNoSetOrTooLargeIsRefused)
{
    EXPECT_EQ(ParseSetFile("").problem, SetFileProblem::NotASet);
    EXPECT_EQ(ParseSetFile("Tavorin set 2\nname = x\n").problem, SetFileProblem::NotASet);
    EXPECT_EQ(ParseSetFile("name = x\nTavorin set 1\n").problem, SetFileProblem::NotASet);
    EXPECT_EQ(ParseSetFile(std::string("\x89PNG\r\n\x1a\n", 8)).problem, SetFileProblem::NotASet);
    EXPECT_EQ(ParseSetFile(std::string(kSetFileFirstLine) + "\n" + std::string(kLargestSetFile, '#')).problem,
              SetFileProblem::TooLarge);
}

TEST(SetFile, ANameLineIsKeptWithoutControlCharactersAndItsAbsenceSaid)
{
    const std::string first = std::string(kSetFileFirstLine) + "\n";
    const struct {
        std::string text;
        std::string name;
        bool named;
        int adjusted;
    } rows[] = {
        {first + "name = Mage\n", "Mage", true, 0},
        {first + std::string("name = A\0B\tC\x7F\n", 15), "A B C ", true, 1},  // NUL, tab, DEL: one value mended
        {first + "name = \xEC\xA0\x84\xEC\x82\xAC\r\n", u8"전사", true, 0},      // a line as Notepad ends it
        {first + "slot 1 name = x\n", "", false, 0},
    };
    for (const auto& row : rows) {
        const ParsedSetFile parsed = ParseSetFile(row.text);
        EXPECT_EQ(parsed.content.name, row.name);
        EXPECT_EQ(parsed.named, row.named) << row.name;
        EXPECT_EQ(parsed.adjusted, row.adjusted) << row.name;
    }
}
