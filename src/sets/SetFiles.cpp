#include "sets/SetFiles.h"

#include <commdlg.h>

#include <vector>

#include "common/AppSettings.h"
#include "sets/Sets.h"
#include "framework/CodePage.h"
#include "framework/Handle.h"
#include "framework/LateLibrary.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "model/IconCatalogue.h"
#include "model/NameLimit.h"
#include "model/SettingsStore.h"
#include "res/resource.h"
#include "common/TriggerNames.h"

namespace {

constexpr wchar_t kExtension[] = L"tavorin-set";

void Tell(const std::wstring& text, UINT icon = MB_ICONEXCLAMATION)
{
    AfxMessageBox(CurrentMessageBoxContext(), text, MB_OK | icon);
}

CLateLibrary& CommonDialogs()
{
    static CLateLibrary library(L"comdlg32.dll");
    return library;
}

// The filter of the file dialogs: "|" between its parts in the string table.
std::wstring Filter()
{
    std::wstring filter = LoadResourceString(IDS_SET_FILE_FILTER);
    for (wchar_t& c : filter) {
        if (c == L'|') c = L'\0';
    }
    return filter;
}

// A file name from a set's name: the characters no file name may hold become "_".
std::wstring FileNameOf(const std::wstring& setName)
{
    std::wstring name = setName;
    for (wchar_t& c : name) {
        if (c < 0x20 || std::wstring(L"\\/:*?\"<>|").find(c) != std::wstring::npos) c = L'_';
    }
    return name + L"." + kExtension;
}

// The path the player picked in the standard dialog, or empty.
std::wstring AskPath(HWND hWndOwner, bool saving)
{
    using DialogFn = BOOL WINAPI(LPOPENFILENAMEW);
    auto* ask = CommonDialogs().Get<DialogFn>(saving ? "GetSaveFileNameW" : "GetOpenFileNameW");
    if (!ask) return {};
    const std::wstring filter = Filter();
    std::vector<wchar_t> path(MAX_PATH * 4, L'\0');
    if (saving) {
        const std::wstring name = FileNameOf(ShownSetName());
        name.copy(path.data(), std::min(name.size(), path.size() - 1));
    }
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hWndOwner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = kExtension;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (saving ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    return ask(&dialog) ? std::wstring(path.data()) : std::wstring();
}

std::wstring FileNameInText(const std::wstring& path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    CHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

enum class Read { Done, TooLarge, Failed };

// A file's bytes, read only when they are few enough to be a set.
Read ReadFileBytes(const std::wstring& path, std::string* bytes)
{
    CHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file, &size)) return Read::Failed;
    if (size.QuadPart > static_cast<LONGLONG>(kLargestSetFile)) return Read::TooLarge;
    bytes->resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes->empty() && (!::ReadFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &read, nullptr) ||
                            read != bytes->size())) {
        return Read::Failed;
    }
    return Read::Done;
}

std::string Utf8(const std::wstring& text)
{
    return WideToMultiByte(text, CP_UTF8);
}

// Lines as chat windows and Notepad take them.
std::wstring WithCrLf(const std::string& utf8)
{
    std::wstring text;
    for (wchar_t c : MultiByteToWide(utf8, CP_UTF8)) {
        if (c == L'\n') text += L'\r';
        text += c;
    }
    return text;
}

}  // namespace

SetFileContent SetFileOf(const TimerSet& set)
{
    SetFileContent content;
    content.name = set.name;
    content.slots = RecordsOf(set.slots, set.triggers, set.alerts);
    // A file names icons by their codes and holds text in UTF-8.
    for (SlotRecord& slot : content.slots) {
        slot.icon = g_iconCatalogue.CodeOfSlotIcon(slot.icon);
        slot.name = Utf8(MultiByteToWide(slot.name));
    }
    return content;
}

TimerSet SetOfFile(const SetFileContent& content, int* adjusted)
{
    TimerSet set;
    set.name = content.name;
    std::copy(std::begin(g_timerSlotDefaults), std::end(g_timerSlotDefaults), set.slots);
    set.triggers = DefaultSlotTriggers();
    set.alerts = DefaultSlotAlerts();
    SlotRecords records = content.slots;
    for (SlotRecord& slot : records) {
        // The slot's name in the ANSI code page, cut as the registry's is.
        const std::wstring wide = MultiByteToWide(slot.name, CP_UTF8);
        char name[kSlotNameSize];
        CopySlotName(name, WideToMultiByte(wide), AppProfile());
        slot.name = name;
        if (MultiByteToWide(slot.name) != wide) ++*adjusted;
    }
    TakeRecords(records, set.slots, set.triggers, set.alerts);
    // The set's own name: characters the code page cannot hold become "_".
    // Past twice the longest a name may be nothing can be kept.
    std::wstring name = MultiByteToWide(content.name, CP_UTF8).substr(0, 2 * kNameByteLimit);
    if (CheckSetName(name) == SetNameProblem::NotStorable) {
        std::wstring kept;
        for (wchar_t c : name) kept += MultiByteToWide(WideToMultiByte(std::wstring(1, c))) == std::wstring(1, c) ? c : L'_';
        name = kept;
        ++*adjusted;
    }
    set.name = Utf8(name);
    return set;
}

std::string SetText(const TimerSet& set)
{
    return FormatSetFile(SetFileOf(set), [](Trigger trigger) { return Utf8(TriggerName(trigger)); });
}

void TakeSetText(HWND, const std::string& bytes, const std::wstring& from)
{
    const ParsedSetFile parsed = ParseSetFile(bytes);
    if (parsed.problem != SetFileProblem::None && from.empty()) {
        Tell(LoadResourceString(IDS_SET_CLIPBOARD_NOT_A_SET));
        return;
    }
    if (parsed.problem == SetFileProblem::TooLarge) {
        Tell(FormatResourceString(IDS_SET_FILE_TOO_LARGE, {from}));
        return;
    }
    if (parsed.problem == SetFileProblem::NotASet) {
        Tell(FormatResourceString(IDS_SET_FILE_NOT_A_SET, {from}));
        return;
    }
    if (SetCount() >= kMostSets) {
        Tell(LoadResourceString(IDS_SET_TOO_MANY));
        return;
    }
    int adjusted = parsed.adjusted;
    SetFileContent content = parsed.content;
    if (!parsed.named) content.name = Utf8(LoadResourceString(IDS_IMPORTED_SET_NAME));
    AddSet(SetOfFile(content, &adjusted), &adjusted);
    if (!parsed.named) Tell(FormatResourceString(IDS_SET_NAME_MISSING, {ShownSetName()}), MB_ICONINFORMATION);
    if (adjusted == 1) {
        Tell(FormatResourceString(IDS_SET_ADJUSTED_ONE, {ShownSetName()}), MB_ICONINFORMATION);
    } else if (adjusted > 1) {
        Tell(FormatResourceString(IDS_SET_ADJUSTED, {ShownSetName(), std::to_wstring(adjusted)}), MB_ICONINFORMATION);
    }
}

void ExportShownSet(HWND hWndOwner)
{
    const std::wstring path = AskPath(hWndOwner, true);
    if (path.empty()) return;
    if (!WriteFileBytes(path, SetText(ShownSet()))) Tell(FormatResourceString(IDS_SET_FILE_UNWRITABLE, {FileNameInText(path)}));
}

void ImportSet(HWND hWndOwner)
{
    const std::wstring path = AskPath(hWndOwner, false);
    if (path.empty()) return;
    std::string bytes;
    switch (ReadFileBytes(path, &bytes)) {
    case Read::TooLarge:
        Tell(FormatResourceString(IDS_SET_FILE_TOO_LARGE, {FileNameInText(path)}));
        return;
    case Read::Failed:
        Tell(FormatResourceString(IDS_SET_FILE_UNREADABLE, {FileNameInText(path)}));
        return;
    case Read::Done:
        break;
    }
    TakeSetText(hWndOwner, bytes, FileNameInText(path));
}

void CopyShownSet(HWND hWndOwner)
{
    const std::wstring text = WithCrLf(SetText(ShownSet()));
    if (!::OpenClipboard(hWndOwner)) return;
    ::EmptyClipboard();
    if (HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        if (auto* into = static_cast<wchar_t*>(::GlobalLock(hData))) {
            text.copy(into, text.size());
            into[text.size()] = L'\0';
            ::GlobalUnlock(hData);
            if (!::SetClipboardData(CF_UNICODETEXT, hData)) ::GlobalFree(hData);
        } else {
            ::GlobalFree(hData);
        }
    }
    ::CloseClipboard();
}

void PasteSet(HWND hWndOwner)
{
    std::wstring text;
    bool tooLarge = false;
    if (::OpenClipboard(hWndOwner)) {
        if (HANDLE hData = ::GetClipboardData(CF_UNICODETEXT)) {
            const std::size_t units = ::GlobalSize(hData) / sizeof(wchar_t);
            tooLarge = units > kLargestSetFile;
            if (const auto* from = tooLarge ? nullptr : static_cast<const wchar_t*>(::GlobalLock(hData))) {
                text.assign(from, wcsnlen(from, units));
                ::GlobalUnlock(hData);
            }
        }
        ::CloseClipboard();
    }
    if (tooLarge) {
        Tell(LoadResourceString(IDS_SET_CLIPBOARD_NOT_A_SET));
        return;
    }
    if (text.empty()) {
        Tell(LoadResourceString(IDS_SET_CLIPBOARD_EMPTY));
        return;
    }
    TakeSetText(hWndOwner, Utf8(text), L"");
}
