// Texts whose code page is fixed whatever the system uses. This file also
// runs under a Western code page (the test "win.cp1252"), where a text read
// in the system's code page instead comes out wrong.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "WinTestSupport.h"
#include "common/AppSettings.h"
#include "update/UpdateCheck.h"

TEST(FixedCodePage, RunsUnderTheCodePageItWasStartedFor)
{
    const char* expected = std::getenv("TAVORIN_EXPECT_ACP");
    EXPECT_EQ(std::to_string(::GetACP()), expected ? expected : "949");
}

TEST(FixedCodePage, TheUpdateServersMessageIsKoreanOnEverySystem)
{
    EXPECT_EQ(UpdateMessageText("\xbb\xf5 \xbc\xd2\xbd\xc4"), L"새 소식");
}

TEST(FixedCodePage, TheChosenGameKeepsEveryCharacterOfItsName)
{
    ClearTestRegistry();
    for (const wchar_t* name : {L"게임.exe", L"Spielé.exe", L"ゲーム.exe"}) {
        StoreGameProgram(name);
        LoadOptions();
        EXPECT_EQ(GameProgram(), name);
    }
    ClearTestRegistry();
    LoadOptions();
}
