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
    UINT id;  // 0 for the separator
    bool checked;
    bool bold;
    std::wstring text;
    bool operator==(const Item& other) const
    {
        return id == other.id && checked == other.checked && bold == other.bold && text == other.text;
    }
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

std::vector<Item> Expected(const BarMenuState& state)
{
    std::vector<Item> items;
    const UINT texts[] = {IDS_MENU_KEYS_EVERYWHERE, IDS_MENU_EXPIRY_SOUND, IDS_MENU_KEEP_RUNNING, IDS_MENU_DOUBLE_SIZE,
                          IDS_MENU_CLICK_THROUGH};
    for (int i = 0; i < kPlayOptionCount; ++i) {
        items.push_back({kFirstChoiceCommand + i, state.on[i], false, LoadResourceString(texts[i])});
    }
    items.push_back({0, false, false, L""});
    items.push_back({static_cast<UINT>(-1), false, false, L"세트"});  // the sets' submenu
    items.push_back({kSettingsCommand, false, false, L"설정..."});
    if (state.offerRestart) {
        items.push_back({kRestartCommand, false, state.restartFirst, L"관리자 권한으로 다시 시작"});
    }
    return items;
}

std::ostream& operator<<(std::ostream& out, const Item& item)
{
    return out << item.id << (item.checked ? " checked" : "") << (item.bold ? " bold" : "");
}

}  // namespace

TEST(BarMenu, OffersEachChoiceWithItsMarkAndTheRestartOnlyWhereItRaisesTheLevel)
{
    const BarMenuState states[] = {
        {{false, false, false, false, false}, false, false, {}},
        {{true, false, true, false, true}, true, false, {}},
        {{true, true, true, true, true}, true, true, {}},  // a game run as administrator in front
        {{false, true, false, true, false}, false, false, {}},
    };
    for (const BarMenuState& state : states) {
        HMENU hMenu = CreateBarMenu(state);
        EXPECT_EQ(ItemsOf(hMenu), Expected(state));
        ::DestroyMenu(hMenu);
    }
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
