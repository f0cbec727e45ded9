// Which items the bar's menu offers in which state, and how each shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bar/BarMenu.h"
#include "framework/ResourceLanguage.h"
#include "framework/WinApp.h"
#include "res/resource.h"

namespace {

struct Item {
    UINT id;  // 0 for the separator, -1 for a submenu
    bool checked;
    bool bold;
    std::wstring text;
};

std::vector<Item> ItemsOf(HMENU hMenu)
{
    std::vector<Item> items;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
        wchar_t text[256] = L"";
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_FTYPE;
        info.dwTypeData = text;
        info.cch = 256;
        ::GetMenuItemInfoW(hMenu, static_cast<UINT>(i), TRUE, &info);
        const UINT id = info.fType & MFT_SEPARATOR ? 0 : ::GetSubMenu(hMenu, i) ? static_cast<UINT>(-1) : info.wID;
        items.push_back({id, (info.fState & MFS_CHECKED) != 0, (info.fState & MFS_DEFAULT) != 0, text});
    }
    return items;
}

// The menu as the player meets it, an item a line: its command, its check
// mark, bold ("*"), its text; the separator "---", the sets' submenu "> ".
std::vector<std::wstring> Lines(const BarMenuState& state)
{
    HMENU hMenu = CreateBarMenu(state);
    std::vector<std::wstring> lines;
    for (const Item& item : ItemsOf(hMenu)) {
        if (item.id == 0) {
            lines.push_back(L"---");
        } else if (item.id == static_cast<UINT>(-1)) {
            lines.push_back(L"> " + item.text);
        } else {
            lines.push_back(std::to_wstring(item.id) + (item.checked ? L" [x] " : L" [ ] ") + (item.bold ? L"*" : L"") +
                            item.text);
        }
    }
    ::DestroyMenu(hMenu);
    return lines;
}

}  // namespace

TEST(BarMenu, OffersEachChoiceWithItsMarkAndTheRestartOnlyWhereItRaisesTheLevel)
{
    const std::vector<std::wstring> allOff = {
        L"1 [ ] 게임 중에도 숫자 키 받기 (키보드 후크: 보안 프로그램 주의)", L"2 [ ] 끝나면 알림음",
        L"3 [ ] 다시 켜도 타이머 이어 가기", L"4 [ ] 두 배 크기", L"5 [ ] 클릭 통과", L"---", L"> 세트", L"6 [ ] 설정..."};
    std::vector<std::wstring> someOn = allOff, allOnAdmin = allOff;
    someOn[0] = L"1 [x] 게임 중에도 숫자 키 받기 (키보드 후크: 보안 프로그램 주의)";
    someOn[2] = L"3 [x] 다시 켜도 타이머 이어 가기";
    someOn[4] = L"5 [x] 클릭 통과";
    someOn.push_back(L"7 [ ] 관리자 권한으로 다시 시작");
    allOnAdmin = {L"1 [x] 게임 중에도 숫자 키 받기 (키보드 후크: 보안 프로그램 주의)", L"2 [x] 끝나면 알림음",
                  L"3 [x] 다시 켜도 타이머 이어 가기", L"4 [x] 두 배 크기", L"5 [x] 클릭 통과", L"---", L"> 세트",
                  L"6 [ ] 설정...", L"7 [ ] *관리자 권한으로 다시 시작"};  // a game run as administrator in front
    std::vector<std::wstring> soundAndSize = allOff;
    soundAndSize[1] = L"2 [x] 끝나면 알림음";
    soundAndSize[3] = L"4 [x] 두 배 크기";
    const struct {
        BarMenuState state;
        std::vector<std::wstring> lines;
    } rows[] = {
        {{{false, false, false, false, false}, false, false, {}}, allOff},
        {{{true, false, true, false, true}, true, false, {}}, someOn},
        {{{true, true, true, true, true}, true, true, {}}, allOnAdmin},
        {{{false, true, false, true, false}, false, false, {}}, soundAndSize},
    };
    for (const auto& row : rows) EXPECT_EQ(Lines(row.state), row.lines);
}

TEST(BarMenu, SpeaksTheLanguageShown)
{
    SetResourceLanguage(0x0409);
    HMENU hMenu = CreateBarMenu({{false, false, false, false, false}, true, false, {}});
    const std::vector<Item> items = ItemsOf(hMenu);
    ::DestroyMenu(hMenu);
    SetResourceLanguage(LANG_NEUTRAL);
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[1].text, L"Sound when a timer ends");
    EXPECT_EQ(items[6].text, L"Sets");
    EXPECT_EQ(items[7].text, L"Settings...");
    EXPECT_EQ(items[8].text, L"Restart as administrator");
}
