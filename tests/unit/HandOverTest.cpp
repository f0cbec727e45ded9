#include <gtest/gtest.h>

#include "MemoryProfile.h"
#include "model/HandOver.h"

TEST(HandOver, OnlyTheWholeArgumentOfAPlainPositiveIdTakesOver)
{
    const struct {
        const wchar_t* commandLine;
        std::optional<std::uint32_t> from;
    } rows[] = {
        {L"\"C:\\Program Files\\Tavorin\\Tavorin.exe\" /takeover:1234", 1234u},
        {L"Tavorin.exe /takeover:4294967295  ", 4294967295u},
        {L"Tavorin.exe\t/takeover:7", 7u},
        {L"Tavorin.exe", std::nullopt},
        {L"Tavorin.exe /takeover:-5", std::nullopt},
        {L"Tavorin.exe /takeover:99999999999", std::nullopt},
        {L"Tavorin.exe /takeover:4294967296", std::nullopt},
        {L"Tavorin.exe /takeover:12abc", std::nullopt},
        {L"Tavorin.exe /takeover:0", std::nullopt},
        {L"Tavorin.exe /takeover:", std::nullopt},
        {L"Tavorin.exe /takeover:+12", std::nullopt},
        {L"Tavorin.exe x /takeover:12", std::nullopt},          // not the first argument
        {L"Tavorin.exe /takeover:12 x", std::nullopt},          // not the whole
        {L"\"C:\\a /takeover:12\\Tavorin.exe\"", std::nullopt},  // inside the program's path
        {L"\"C:\\unclosed /takeover:12", std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(TakeOverFrom(row.commandLine), row.from) << row.commandLine;
    EXPECT_EQ(TakeOverFrom(L"Tavorin.exe " + TakeOverArguments(4321)), 4321u);
}

TEST(HandOver, ACopyTakesOnlyTheEndsMarkedForItsHandOverOnce)
{
    MemoryProfile profile;
    EXPECT_FALSE(TakeHandOverMark(profile, 77)) << "no mark: a start that names a process, nothing handed";
    MarkHandOver(profile, 77);
    EXPECT_FALSE(TakeHandOverMark(profile, 78)) << "another copy's mark";
    MarkHandOver(profile, 77);
    EXPECT_TRUE(TakeHandOverMark(profile, 77));
    EXPECT_FALSE(TakeHandOverMark(profile, 77)) << "taken: cleared";
}
