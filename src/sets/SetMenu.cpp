#include "sets/SetMenu.h"

#include "sets/SetGone.h"
#include "sets/Sets.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "sets/SetFiles.h"
#include "sets/SetNameDialog.h"

namespace {

// A menu shows "&" as a marker: the player's "&" is doubled.
std::wstring MenuText(const std::wstring& name)
{
    std::wstring text;
    for (wchar_t c : name) {
        text += c;
        if (c == L'&') text += L'&';
    }
    return text;
}

// What the player is told of a name no set may have (`kept`: the set's own, which it may keep).
std::optional<std::wstring> NameProblem(const std::wstring& name, const std::optional<std::wstring>& kept)
{
    if (kept && name == *kept) return std::nullopt;
    switch (CheckSetName(name).value_or(static_cast<SetNameProblem>(-1))) {
    case SetNameProblem::Empty: return LoadResourceString(IDS_SET_NAME_EMPTY);
    case SetNameProblem::NotStorable: return LoadResourceString(IDS_SET_NAME_NOT_STORABLE);
    case SetNameProblem::Taken: return FormatResourceString(IDS_SET_NAME_TAKEN, {name});
    default: return std::nullopt;
    }
}

void Tell(UINT nIDText)
{
    AfxMessageBox(CurrentMessageBoxContext(), LoadResourceString(nIDText), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

SetMenuState CurrentSetMenuState()
{
    return {SetNames(), ShownSetIndex()};
}

HMENU CreateSetMenu(const SetMenuState& state)
{
    HMENU hMenu = ::CreatePopupMenu();
    if (!hMenu) return nullptr;
    for (int i = 0; i < static_cast<int>(state.names.size()); ++i) {
        const std::wstring text = MenuText(state.names[static_cast<std::size_t>(i)]);
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE;
        item.fType = MFT_STRING | MFT_RADIOCHECK;
        item.fState = i == state.shown ? MFS_CHECKED : MFS_UNCHECKED;
        item.wID = kFirstSetCommand + static_cast<UINT>(i);
        item.dwTypeData = const_cast<wchar_t*>(text.c_str());
        ::InsertMenuItemW(hMenu, static_cast<UINT>(i), TRUE, &item);
    }
    ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
    const struct {
        UINT command, text;
    } items[] = {{kNewSetCommand, IDS_MENU_NEW_SET},       {kRenameSetCommand, IDS_MENU_RENAME_SET},
                 {kDeleteSetCommand, IDS_MENU_DELETE_SET}, {kExportSetCommand, IDS_MENU_EXPORT_SET},
                 {kImportSetCommand, IDS_MENU_IMPORT_SET}, {kCopySetCommand, IDS_MENU_COPY_SET},
                 {kPasteSetCommand, IDS_MENU_PASTE_SET}};
    for (const auto& item : items) {
        const UINT grey = item.command == kDeleteSetCommand && state.names.size() < 2 ? MF_GRAYED : 0;
        ::AppendMenuW(hMenu, MF_STRING | grey, item.command, LoadResourceString(item.text).c_str());
    }
    return hMenu;
}

bool IsSetCommand(UINT command)
{
    return command >= kFirstSetCommand && command <= kPasteSetCommand;
}

void RunSetCommand(UINT command, HWND hWndBar)
{
    HWND hWndOwner = ::GetWindow(hWndBar, GW_OWNER);
    // What the player is asked about is the set shown now, whatever shows when they answer.
    const SetId asked = ShownSetId();
    const std::wstring askedName = ShownSetName();
    switch (command) {
    case kNewSetCommand: {
        if (SetCount() >= kMostSets) {
            Tell(IDS_SET_TOO_MANY);
            return;
        }
        const auto name = AskSetName(hWndOwner, TitleNamingSet(LoadResourceString(IDS_NEW_SET_TITLE), asked),
                                     UniqueSetName(askedName),
                                     [](const std::wstring& wanted) { return NameProblem(wanted, std::nullopt); });
        if (name && !FindSet(asked)) TellSetGone(askedName);
        if (name) NewSet(asked, *name);
        return;
    }
    case kRenameSetCommand: {
        const auto name = AskSetName(hWndOwner, TitleNamingSet(LoadResourceString(IDS_RENAME_SET_TITLE), asked),
                                     askedName,
                                     [&askedName](const std::wstring& wanted) { return NameProblem(wanted, askedName); });
        if (name && !FindSet(asked)) TellSetGone(askedName);
        if (name) RenameSet(asked, *name);
        return;
    }
    case kDeleteSetCommand:
        if (SetCount() > 1 && AfxMessageBox(CurrentMessageBoxContext(),
                                            FormatResourceString(IDS_SET_DELETE_ASK, {askedName}),
                                            MB_YESNO | MB_ICONQUESTION) == IDYES) {
            if (!FindSet(asked)) TellSetGone(askedName);
            DeleteSet(asked);
        }
        return;
    case kExportSetCommand: ExportShownSet(hWndOwner); return;
    case kImportSetCommand: ImportSet(hWndOwner); return;
    case kCopySetCommand: CopyShownSet(hWndOwner); return;
    case kPasteSetCommand: PasteSet(hWndOwner); return;
    default:
        ShowSet(static_cast<int>(command - kFirstSetCommand));
        return;
    }
}
