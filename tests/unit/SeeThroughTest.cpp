#include <gtest/gtest.h>

#include "MemoryProfile.h"
#include "model/RunCommand.h"
#include "model/SeeThrough.h"

TEST(SeeThrough, StoredOpacityReadsAsOneOfTheChoicesOrOpaque)
{
    const struct {
        MemoryProfile::Value stored;
        std::int32_t read;
    } rows[] = {{100, 100}, {80, 80}, {60, 60}, {40, 40}, {0, 100}, {50, 100}, {20, 100}, {-60, 100}, {153, 100},
                {std::string("60"), 100}};
    for (const auto& row : rows) {
        MemoryProfile profile("Option", "Opacity", row.stored);
        EXPECT_EQ(ReadOpacity(profile), row.read) << &row - rows;
    }
    EXPECT_EQ(OpacityAlpha(60), 153);
    EXPECT_EQ(OpacityAlpha(80), 204);
    EXPECT_EQ(OpacityAlpha(40), 102);
}

TEST(SeeThrough, ClicksPassButWhileCtrlIsHeldOverTheBarAndATakenBarShowsInFull)
{
    const struct {
        SeeThroughInput input;
        BarSeeThrough look;
    } rows[] = {
        // opacity, click-through, pointer over, Ctrl, drag  ->  layered, alpha, passes clicks
        {{100, false, false, false, false}, {false, 255, false}},  // as the bar always was
        {{100, false, true, true, false}, {false, 255, false}},
        {{60, false, false, false, false}, {true, 153, false}},
        {{60, false, true, false, false}, {true, 255, false}},  // hovered: in full
        {{60, true, true, false, false}, {true, 153, true}},    // hovered, clicks pass: stays see-through
        {{60, true, false, true, false}, {true, 153, true}},    // Ctrl held elsewhere
        {{60, true, true, true, false}, {true, 255, false}},    // Ctrl held over it: taken
        {{60, true, true, false, true}, {true, 255, false}},    // a drag begun with Ctrl goes on past its release
        {{100, true, false, false, false}, {true, 255, true}},  // clicks pass through an opaque bar too
    };
    for (const auto& row : rows) {
        const BarSeeThrough look = DecideSeeThrough(row.input);
        EXPECT_EQ(look.layered, row.look.layered) << &row - rows;
        EXPECT_EQ(look.alpha, row.look.alpha) << &row - rows;
        EXPECT_EQ(look.passesClicks, row.look.passesClicks) << &row - rows;
    }
}

TEST(RunCommand, TheProgramOfAStoredCommand)
{
    const struct {
        const wchar_t* command;
        const wchar_t* program;
    } rows[] = {
        {L"\"C:\\Program Files\\Tavorin\\Tavorin.exe\"", L"C:\\Program Files\\Tavorin\\Tavorin.exe"},
        {L"  \"C:\\Games\\Tavorin.exe\" /minimized", L"C:\\Games\\Tavorin.exe"},
        {L"C:\\Games\\Tavorin.exe ", L"C:\\Games\\Tavorin.exe"},
        {L"\"C:\\Games\\Tavorin.exe", L""},  // no closing quote
        {L"   ", L""},
        {L"", L""},
    };
    for (const auto& row : rows) EXPECT_EQ(CommandProgram(row.command), row.program) << &row - rows;
    EXPECT_EQ(CommandProgram(QuotedCommand(L"C:\\A B\\Tavorin.exe")), L"C:\\A B\\Tavorin.exe");
}
